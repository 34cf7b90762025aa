// MsgHook: watches the messages of one window and reports each to a handler before the window
// handles it. It changes nothing: the handler gets copies, and the window's own and default
// processing go on as if the hook were not there. Example:
//   MsgHook hook;
//   hook.Attach(hwnd, [](const HookMessage& m) { if (m.message == 274) ...; });
#pragma once

#include <cstdint>
#include <functional>

namespace mirel {

struct HookMessage {
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::intptr_t window = 0;  // the watched window's handle, as a number
};

class MsgHook {
 public:
  using Handler = std::function<void(const HookMessage&)>;

  MsgHook() = default;
  ~MsgHook();
  MsgHook(const MsgHook&) = delete;
  MsgHook& operator=(const MsgHook&) = delete;

  // Starts watching `window` (a Win32 window handle). The hook detaches itself when the window
  // is destroyed, or when the hook goes first. A handler that throws is reported in a message
  // box; the message is still handled normally.
  void Attach(void* window, Handler handler);
  void Detach() noexcept;
  bool Attached() const { return window_ != nullptr; }

 private:
  friend struct MsgHookAccess;
  void* window_ = nullptr;
  Handler handler_;
};

}  // namespace mirel
