#include "components/form_controls/msg_hook.h"

#include <windows.h>

#include "components/win32/win_error.h"

namespace mirel {

// A reported message keeps every bit of what the window got.
static_assert(sizeof(HookMessage::message) == sizeof(UINT) &&
              sizeof(HookMessage::wParam) == sizeof(WPARAM) &&
              sizeof(HookMessage::lParam) == sizeof(LPARAM) &&
              sizeof(HookMessage::window) == sizeof(HWND));

namespace {

// The window's own procedure, which the hook's hands every message on to, and the hook, as window
// properties: the window's user data belongs to the window's own object. The hook subclasses the
// window by replacing its procedure itself rather than through the common controls library,
// which the clock would otherwise load at start for this alone (bench/startup.sh measures its
// cost).
constexpr wchar_t kPreviousProperty[] = L"Mirel.MsgHook.Previous";
constexpr wchar_t kHookProperty[] = L"Mirel.MsgHook";

}  // namespace

struct MsgHookAccess {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropW(window, kPreviousProperty));
    auto* hook = static_cast<MsgHook*>(::GetPropW(window, kHookProperty));
    if (hook != nullptr && hook->handler_) {
      const HookMessage reported{message, wParam, lParam, reinterpret_cast<std::intptr_t>(window)};
      win32::RunHandler(window, [&] { hook->handler_(reported); });
    }
    if (message == WM_NCDESTROY) {
      if (hook != nullptr) {
        hook->Detach();
      }
      // The window's last message: nothing can be hooked on top any more.
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      ::RemovePropW(window, kPreviousProperty);
    }
    return previous != nullptr ? ::CallWindowProcW(previous, window, message, wParam, lParam)
                               : ::DefWindowProcW(window, message, wParam, lParam);
  }
};

MsgHook::~MsgHook() {
  Detach();
}

void MsgHook::Attach(void* window, Handler handler) {
  Detach();
  const auto hwnd = static_cast<HWND>(window);
  // A window watched before keeps the procedure it was given then: it forwards to the right one.
  if (::GetPropW(hwnd, kPreviousProperty) == nullptr) {
    const auto procedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (procedure == nullptr ||
        !::SetPropW(hwnd, kPreviousProperty, reinterpret_cast<HANDLE>(procedure))) {
      win32::ThrowWin32Error("SetPropW");
    }
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MsgHookAccess::Procedure));
  }
  if (!::SetPropW(hwnd, kHookProperty, this)) {
    win32::ThrowWin32Error("SetPropW");
  }
  handler_ = std::move(handler);
  window_ = window;
}

void MsgHook::Detach() noexcept {
  if (window_ != nullptr) {
    // The procedure stays until the window ends, without a hook to report to: taking it out now
    // would cut off whatever another part may have put on top of it since.
    ::RemovePropW(static_cast<HWND>(window_), kHookProperty);
    window_ = nullptr;
  }
}

}  // namespace mirel
