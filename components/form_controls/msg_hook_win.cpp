#include "components/form_controls/msg_hook.h"

#include <windows.h>

#include <commctrl.h>

#include "components/win32/win_error.h"

namespace mirel {

// A reported message keeps every bit of what the window got.
static_assert(sizeof(HookMessage::message) == sizeof(UINT) &&
              sizeof(HookMessage::wParam) == sizeof(WPARAM) &&
              sizeof(HookMessage::lParam) == sizeof(LPARAM) &&
              sizeof(HookMessage::window) == sizeof(HWND));

struct MsgHookAccess {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR data) noexcept {
    auto* hook = reinterpret_cast<MsgHook*>(data);
    if (hook->handler_) {
      const HookMessage reported{message, wParam, lParam, reinterpret_cast<std::intptr_t>(window)};
      win32::RunHandler(window, [&] { hook->handler_(reported); });
    }
    if (message == WM_NCDESTROY) {
      hook->Detach();
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
};

namespace {
constexpr UINT_PTR kSubclassId = 0x4D48;  // "MH"
}

MsgHook::~MsgHook() {
  Detach();
}

void MsgHook::Attach(void* window, Handler handler) {
  Detach();
  handler_ = std::move(handler);
  if (!::SetWindowSubclass(static_cast<HWND>(window), &MsgHookAccess::Procedure, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
    handler_ = nullptr;
    win32::ThrowWin32Error("SetWindowSubclass");
  }
  window_ = window;
}

void MsgHook::Detach() noexcept {
  if (window_ != nullptr) {
    ::RemoveWindowSubclass(static_cast<HWND>(window_), &MsgHookAccess::Procedure, kSubclassId);
    window_ = nullptr;
  }
}

}  // namespace mirel
