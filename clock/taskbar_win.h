// The taskbar on Windows, as the clock needs it: which Windows it belongs to, whether it hides
// its buttons' labels (and so the clock's caption), and the one-time message about that, a
// small window of its own that leaves the clock running and usable: it has no owner, since a
// window owned by the minimised clock would be hidden with it.
// Example:
//   TaskbarWin taskbar([&] { form.LabelTip_Closed(); });
//   if (taskbar.HidesLabels()) taskbar.ShowLabelTip(text);
//   ... in the message loop: if (taskbar.HandleDialogMessage(message)) continue;
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "clock/clock_platform.h"

namespace mirel {

// The message's two buttons; Escape and its close box count as 閉じる.
inline constexpr int kLabelTipTextId = 100;
inline constexpr int kOpenTaskbarSettingsId = 101;
inline constexpr char kOpenTaskbarSettingsText[] = "タスクバーの設定を開く";
inline constexpr char kCloseLabelTipText[] = "閉じる";

class TaskbarWin final : public Taskbar {
 public:
  // `closed` runs when the user closes the message (not when the program closes it).
  explicit TaskbarWin(std::function<void()> closed);
  ~TaskbarWin() override;
  TaskbarWin(const TaskbarWin&) = delete;
  TaskbarWin& operator=(const TaskbarWin&) = delete;

  WindowsGeneration Windows() const override;
  bool HidesLabels() const override;
  void ShowLabelTip(const std::string& text) override;

  // For the program's message loop: gives the message its keys (Tab, Enter, Escape); true when
  // `message` was one of them and is dealt with.
  bool HandleDialogMessage(MSG& message);
  // Closes the message, if open, without counting it as read: the clock is closing.
  void CloseLabelTip() noexcept;

 private:
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void()> closed_;
  HWND tip_ = nullptr;
};

}  // namespace mirel
