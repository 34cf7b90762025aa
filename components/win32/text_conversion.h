// Text conversion at the Win32 boundary. The core keeps UTF-8 std::string; Win32 wide calls take
// UTF-16; a few calls and files need the system's ANSI code page (932 on Japanese systems).
// Invalid input never throws: malformed sequences become U+FFFD (or '?' in an ANSI code page).
// Example: WideToUtf8(L"\u6642") == "\xE6\x99\x82"  (時)
//          WindowText(editField) == "yyyy/mm/dd"
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace mirel::win32 {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// codePage CP_ACP is the system's ANSI code page (GetACP()).
std::string WideToAnsi(std::wstring_view wide, UINT codePage = CP_ACP);

inline std::string Utf8ToAnsi(std::string_view utf8, UINT codePage = CP_ACP) {
  return WideToAnsi(Utf8ToWide(utf8), codePage);
}

// A window's text (a caption, an edit field's contents) read through the wide API, in UTF-8;
// empty when there is none or it cannot be read.
std::string WindowText(HWND window);

}  // namespace mirel::win32
