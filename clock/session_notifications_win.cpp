#include "clock/session_notifications_win.h"

#include <wtsapi32.h>

#include <utility>

#include "components/win32/system_library.h"

namespace mirel {

void SessionNotifications::Register(HWND window) noexcept {
  Unregister();
  const auto registerWindow = win32::SystemFunction<decltype(&::WTSRegisterSessionNotification)>(
      L"wtsapi32.dll", "WTSRegisterSessionNotification");
  if (registerWindow != nullptr && registerWindow(window, NOTIFY_FOR_THIS_SESSION)) {
    window_ = window;
  }
}

void SessionNotifications::Unregister() noexcept {
  const HWND window = std::exchange(window_, nullptr);
  if (window == nullptr) {
    return;
  }
  const auto unregisterWindow =
      win32::SystemFunction<decltype(&::WTSUnRegisterSessionNotification)>(
          L"wtsapi32.dll", "WTSUnRegisterSessionNotification");
  if (unregisterWindow != nullptr) {
    unregisterWindow(window);
  }
}

}  // namespace mirel
