// Move-only owners for Win32 handles and scoped guards that put back what they replaced, so no
// handle leaks on an early return or an exception. Example:
//   UniqueHkey key = ...;           // RegCloseKey runs when `key` goes out of scope
//   SelectObjectGuard font(dc, f);  // the previous font is selected again at scope end
#pragma once

#include <windows.h>

#include <utility>

namespace mirel::win32 {

// Owns one handle of a kind described by Traits: Traits::Invalid() is the empty value and
// Traits::Close(h) releases a non-empty one.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset(other.Release());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  // Gives up ownership without closing.
  Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) {
      Traits::Close(old);
    }
  }
  // For out-parameters: closes the current handle and hands out the slot.
  Handle* Put() noexcept {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {  // CreateMutex, CreateEvent, OpenProcess ...
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::CloseHandle(h); }
};
struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};
template <typename Object>
struct GdiTraits {  // fonts, bitmaps, and other objects of GDI
  using Handle = Object;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::DeleteObject(h); }
};
struct MemoryDcTraits {  // CreateCompatibleDC
  using Handle = HDC;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::DeleteDC(h); }
};
struct IconTraits {  // CreateIcon..., LoadImage without LR_SHARED
  using Handle = HICON;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::DestroyIcon(h); }
};
struct MenuTraits {  // CreatePopupMenu, CreateMenu (not one attached to a window)
  using Handle = HMENU;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::DestroyMenu(h); }
};
struct LocalTextTraits {  // text the system allocates for the caller (FormatMessageW)
  using Handle = wchar_t*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::LocalFree(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueHkey = UniqueHandle<RegKeyTraits>;
using UniqueFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueHicon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueLocalText = UniqueHandle<LocalTextTraits>;

// BeginPaint .. EndPaint for one WM_PAINT.
class PaintGuard {
 public:
  explicit PaintGuard(HWND window) noexcept : window_(window) { dc_ = ::BeginPaint(window, &ps_); }
  ~PaintGuard() { ::EndPaint(window_, &ps_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;

  HDC Dc() const noexcept { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// GetDC .. ReleaseDC of a window's client area (or the screen for a null window).
class WindowDcGuard {
 public:
  explicit WindowDcGuard(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
  ~WindowDcGuard() {
    if (dc_ != nullptr) {
      ::ReleaseDC(window_, dc_);
    }
  }
  WindowDcGuard(const WindowDcGuard&) = delete;
  WindowDcGuard& operator=(const WindowDcGuard&) = delete;

  HDC Dc() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject for a scope; the object it replaced is selected again at the end, so the caller's
// object can then be deleted safely.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectObjectGuard() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) {
      ::SelectObject(dc_, previous_);
    }
  }
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace mirel::win32
