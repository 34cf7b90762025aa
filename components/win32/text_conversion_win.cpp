#include "components/win32/text_conversion.h"

#include <climits>

#include "components/errors.h"

namespace mirel::win32 {
namespace {

// The Win32 conversion calls count in int; a longer text is no realistic input, so it is refused
// rather than silently cut: its length overflows the count the system takes.
int CheckedLength(std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) {
    throw OverflowError("text too long to convert");
  }
  return static_cast<int>(size);
}

std::wstring ToWide(std::string_view text, UINT codePage) {
  if (text.empty()) {
    return {};
  }
  const int length = CheckedLength(text.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  if (needed > 0) {
    ::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  }
  return wide;
}

std::string FromWide(std::wstring_view wide, UINT codePage) {
  if (wide.empty()) {
    return {};
  }
  const int length = CheckedLength(wide.size());
  const int needed =
      ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(needed), '\0');
  if (needed > 0) {
    ::WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), needed, nullptr, nullptr);
  }
  return text;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  return ToWide(utf8, CP_UTF8);
}
std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(wide, CP_UTF8);
}
std::string WideToAnsi(std::wstring_view wide, UINT codePage) {
  return FromWide(wide, codePage);
}

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return WideToUtf8(text);
}

}  // namespace mirel::win32
