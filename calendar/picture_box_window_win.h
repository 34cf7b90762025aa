// A picture box of the calendar window on Win32, what the grid and the arrow boxes have in common:
// a child window with a tab stop that paints all of itself (erasing first would only flicker),
// takes the focus when clicked and keeps the arrow keys for itself rather than letting them move
// the focus. A kind of box paints in Paint and answers its own messages in OnBoxMessage.
#pragma once

#include <windows.h>

#include "components/win32/bound_window.h"

namespace mirel {

class PictureBoxWindow : public win32::BoundWindow {
 protected:
  PictureBoxWindow() = default;
  ~PictureBoxWindow() = default;

  // Creates the box as child `id` of `parent`, of the window class `className` (one for each
  // kind of box). Throws RunTimeError when it cannot.
  void CreateBox(const wchar_t* className, HWND parent, int id);

  virtual void Paint(HDC dc) = 0;
  // Every message after what all boxes do alike; a click reaches it with the focus already taken.
  virtual LRESULT OnBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;
};

}  // namespace mirel
