// The window-menu commands on Windows: the clock window's system menu gains the three commands
// and loses Move; the commands reach the input box, the calendar window, the screen and the
// version dialog.
#pragma once

#include <windows.h>

#include "clock/sys_menu.h"

namespace mirel {

// Takes Move out of `window`'s system menu and puts the three commands in, together, just
// before the first item whose identifier is 0 (the separator above Close); then redraws.
// The texts go in as UTF-16, so they read right whatever the system's ANSI code page.
void InstallSysMenu(HWND window);

class SysMenuWindow final : public ClockCommands {
 public:
  // The clock window the commands act on, set when it is created and cleared when it goes: the
  // window is created after this object.
  void SetWindow(HWND window) { window_ = window; }

  void InstallSysMenu() override;
  std::string InputBox(std::string_view prompt, std::string_view title,
                       InputPreview* preview) override;
  void ShowCalender() override;
  TwipsSize ScreenSize() const override;
  TwipsSize WindowSize() const override;
  void MoveWindow(std::int32_t leftTwips, std::int32_t topTwips) override;
  void ShowVersion() override;
  void ShowWarning(const std::string& message) override;

 private:
  HWND window_ = nullptr;
};

}  // namespace mirel
