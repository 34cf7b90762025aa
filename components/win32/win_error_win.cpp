#include "components/win32/win_error.h"

#include <new>
#include <utility>

#include "components/win32/app_info.h"
#include "components/win32/text_conversion.h"

namespace mirel::win32 {
namespace {

bool reportOpen = false;  // the user-interface thread is the only caller
FailureReporter customReporter = nullptr;
constexpr char kUnknownFailure[] = "エラーが発生しました。";

void ShowBox(HWND owner, const std::string& text) noexcept {
  if (reportOpen) {
    return;
  }
  reportOpen = true;
  try {
    if (customReporter != nullptr) {
      customReporter(owner, text);
    } else {
      const std::wstring title = Utf8ToWide(ExecutableBaseName());
      ::MessageBoxW(owner, Utf8ToWide(text).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    }
  } catch (...) {
    // Out of memory while reporting: a box without our text is still better than none.
    ::MessageBoxW(owner, L"エラーが発生しました。", nullptr, MB_OK | MB_ICONERROR);
  }
  reportOpen = false;
}

}  // namespace

FailureReporter SetFailureReporter(FailureReporter reporter) noexcept {
  return std::exchange(customReporter, reporter);
}

std::string SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (length != 0 && buffer != nullptr) {
    text.assign(buffer, length);
  }
  ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  if (text.empty()) {
    return "Win32 error " + std::to_string(code);
  }
  return WideToUtf8(text);
}

void ThrowWin32Error(std::string_view call, DWORD code, ErrorNumber number) {
  throw RunTimeError(number, std::string(call) + ": " + SystemErrorText(code));
}

std::string CurrentErrorBoxText() {
  try {
    throw;
  } catch (const RunTimeError& error) {
    return "実行時エラー '" + std::to_string(static_cast<int>(error.Number())) + "':\n\n" +
           error.what();
  } catch (const std::bad_alloc&) {
    return "実行時エラー '7':\n\nメモリが不足しています。";
  } catch (const std::exception& error) {
    return std::string("エラーが発生しました。\n\n") + error.what();
  } catch (...) {
    return kUnknownFailure;
  }
}

void ReportHandlerFailure(HWND owner) noexcept {
  std::string text;
  try {
    text = CurrentErrorBoxText();
  } catch (...) {
  }
  ShowBox(owner, text.empty() ? kUnknownFailure : text);
}

}  // namespace mirel::win32
