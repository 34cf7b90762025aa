// Owners of Win32 handles that only the tests make: windows of their own, a file held open, and
// brushes and GDI objects of the pictures they draw. The program's own owners are in
// components/win32/unique_handle.h, whose UniqueHandle these are built on. Example:
//   win32::UniqueHwnd window(::CreateWindowExW(...));  // DestroyWindow at scope end
#pragma once

#include <windows.h>

#include "components/win32/unique_handle.h"

namespace mirel::win32 {

struct FileHandleTraits {  // CreateFile, whose failure value is INVALID_HANDLE_VALUE
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { ::CloseHandle(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};

using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueHwnd = UniqueHandle<WindowTraits>;
using UniqueGdiObject = UniqueHandle<GdiTraits<HGDIOBJ>>;  // of a kind not known here
using UniqueBrush = UniqueHandle<GdiTraits<HBRUSH>>;

}  // namespace mirel::win32
