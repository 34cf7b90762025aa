// The window-menu commands on Windows: the clock window's system menu gains the three commands
// and loses Move; the commands reach the input box, the calendar window, the screen and the
// version dialog.
#pragma once

#include <windows.h>

#include "clock/sys_menu.h"

namespace mirel {

// Takes Move out of `window`'s system menu and puts the three commands in, together, just
// before the first item whose identifier is 0 (the separator above Close); then redraws.
// The item texts go to InsertMenuA in code page 932.
void InstallSysMenu(HWND window);

class SysMenuWindow final : public ClockCommands {
 public:
  // `window` is the clock window's handle as its owner keeps it: read at each call, since the
  // window is created after this object.
  explicit SysMenuWindow(const HWND& window) : window_(window) {}

  void InstallSysMenu() override;
  std::string InputBox(std::string_view prompt, std::string_view title) override;
  void ShowCalender() override;
  TwipsSize ScreenSize() const override;
  TwipsSize WindowSize() const override;
  void MoveWindow(std::int32_t leftTwips, std::int32_t topTwips) override;
  void ShowVersion() override;
  void ShowWarning(const std::string& message) override;

 private:
  const HWND& window_;
};

}  // namespace mirel
