#include "clock/input_box_win.h"

#include <windows.h>

#include "components/win32/dialog_template.h"
#include "components/win32/text_conversion.h"
#include "components/win32/window_procedure.h"
#include "components/win32/work_area_fit_win.h"

namespace mirel {
namespace {

constexpr int kPromptId = 100;
constexpr int kTextId = 101;

// Centred horizontally on the monitor's work area, a third of the way down it.
void MoveToDefaultPosition(HWND dialog, HWND owner) {
  HMONITOR monitor =
      ::MonitorFromWindow(owner != nullptr ? owner : dialog, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT frame{};
  if (!::GetMonitorInfoW(monitor, &info) || !::GetWindowRect(dialog, &frame)) {
    return;  // the system's placement is good enough
  }
  const RECT& area = info.rcWork;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top) / 3 - height / 2;
  if (top < area.top) {
    top = area.top;
  }
  const RECT fitted =
      win32::FitIntoWorkArea({left, top, left + width, top + height}, win32::Oversize::kKeepSize);
  ::SetWindowPos(dialog, nullptr, fitted.left, fitted.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// What the box's dialog procedure keeps: the text typed, taken on OK.
class InputBoxDialog {
 public:
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

INT_PTR InputBoxDialog::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      MoveToDefaultPosition(dialog, ::GetWindow(dialog, GW_OWNER));
      return TRUE;  // the focus goes to the text field, the first tab stop
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        // Ended first: should taking the text fail, the box still closes, as with nothing typed.
        ::EndDialog(dialog, IDOK);
        text_ = win32::WindowText(::GetDlgItem(dialog, kTextId));
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

std::string InputBox(HWND owner, std::string_view prompt, std::string_view title) {
  using win32::DialogTemplate;
  // The prompt at the top left with room for a few lines, read first; the two buttons stacked at
  // the right, beside it; the text field across the whole width below, so a long pattern shows.
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                        win32::Utf8ToWide(title), {0, 0, 250, 84}, win32::DialogUiFont());
  dialog.AddControl(DialogTemplate::kStatic, SS_LEFT | SS_NOPREFIX, {7, 7, 176, 48}, kPromptId,
                    win32::Utf8ToWide(prompt));
  dialog.AddControl(DialogTemplate::kEdit, ES_AUTOHSCROLL | WS_TABSTOP, {7, 63, 236, 13}, kTextId,
                    L"", WS_EX_CLIENTEDGE);
  dialog.AddControl(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, {191, 7, 52, 14}, IDOK,
                    L"OK");
  dialog.AddControl(DialogTemplate::kButton, BS_PUSHBUTTON | WS_TABSTOP, {191, 25, 52, 14},
                    IDCANCEL, L"キャンセル");

  InputBoxDialog box;
  const INT_PTR result = win32::ShowModalDialog(
      dialog, owner, &win32::DialogProcedure<InputBoxDialog, &InputBoxDialog::OnMessage>,
      reinterpret_cast<LPARAM>(&box));
  return result == IDOK ? box.Text() : std::string();
}

}  // namespace mirel
