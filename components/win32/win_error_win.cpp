#include "components/win32/win_error.h"

#include <new>
#include <string_view>
#include <utility>

#include "components/win32/app_info.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"

namespace mirel::win32 {
namespace {

bool reportOpen = false;  // the user-interface thread is the only caller
FailureReporter customReporter = nullptr;
// The failure of unknown kind, and the first line of one without a number. Wide, so the last
// resort can show it without converting (and so without memory).
constexpr wchar_t kUnknownFailure[] = L"エラーが発生しました。";

// Shows `text`, or kUnknownFailure when it is empty.
void ShowBox(HWND owner, const std::string& text) noexcept {
  if (reportOpen) {
    return;
  }
  reportOpen = true;
  try {
    const std::string shown = text.empty() ? WideToUtf8(kUnknownFailure) : text;
    if (customReporter != nullptr) {
      customReporter(owner, shown);
    } else {
      const std::wstring title = Utf8ToWide(ExecutableBaseName());
      ::MessageBoxW(owner, Utf8ToWide(shown).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    }
  } catch (...) {
    // Out of memory while reporting: a box without our text is still better than none.
    ::MessageBoxW(owner, kUnknownFailure, nullptr, MB_OK | MB_ICONERROR);
  }
  reportOpen = false;
}

}  // namespace

FailureReporter SetFailureReporter(FailureReporter reporter) noexcept {
  return std::exchange(customReporter, reporter);
}

std::string SystemErrorText(DWORD code) {
  UniqueLocalText buffer;
  // Allocating the buffer itself, FormatMessageW writes its address where a buffer would go.
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(buffer.Put()), 0, nullptr);
  std::wstring_view text;
  if (length != 0 && buffer) {
    text = {buffer.Get(), length};
  }
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.remove_suffix(1);
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
    return WideToUtf8(kUnknownFailure) + "\n\n" + error.what();
  } catch (...) {
    return WideToUtf8(kUnknownFailure);
  }
}

void ReportHandlerFailure(HWND owner) noexcept {
  std::string text;
  try {
    text = CurrentErrorBoxText();
  } catch (...) {
    // No memory even for the text: the box falls back to kUnknownFailure.
  }
  ShowBox(owner, text);
}

}  // namespace mirel::win32
