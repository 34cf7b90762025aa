#include "clock/input_box_win.h"

#include <windows.h>

#include "clock/tick_schedule.h"
#include "components/win32/dialog_template.h"
#include "components/win32/text_conversion.h"
#include "components/win32/window_procedure.h"
#include "components/win32/work_area_fit_win.h"

namespace mirel {
namespace {

constexpr int kPromptId = 100;
constexpr int kTextId = 101;
constexpr UINT_PTR kPreviewTimerId = 1;

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

// What the box's dialog procedure keeps: the text typed, taken on OK, and the preview.
class InputBoxDialog {
 public:
  explicit InputBoxDialog(InputPreview* preview) : preview_(preview) {}
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  const std::string& Text() const { return text_; }

 private:
  void ShowPreview(HWND dialog);

  InputPreview* preview_;
  std::string text_;
  std::wstring previewLine_;  // as shown: the same line is not set again
};

void InputBoxDialog::ShowPreview(HWND dialog) {
  std::wstring line =
      win32::Utf8ToWide(preview_->Text(win32::WindowText(::GetDlgItem(dialog, kTextId))));
  if (line != previewLine_) {
    ::SetDlgItemTextW(dialog, kInputPreviewId, line.c_str());
    previewLine_ = std::move(line);
  }
}

INT_PTR InputBoxDialog::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      MoveToDefaultPosition(dialog, ::GetWindow(dialog, GW_OWNER));
      if (preview_ != nullptr) {
        ShowPreview(dialog);
        // At the clock's pace, so a pattern with seconds counts them as the caption does.
        ::SetTimer(dialog, kPreviewTimerId, kTickIntervalMs, nullptr);
      }
      return TRUE;  // the focus goes to the text field, the first tab stop
    case WM_TIMER:
      if (wParam == kPreviewTimerId && preview_ != nullptr) {
        ShowPreview(dialog);
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kTextId && HIWORD(wParam) == EN_CHANGE && preview_ != nullptr) {
        ShowPreview(dialog);
        return TRUE;
      }
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

std::string InputBox(HWND owner, std::string_view prompt, std::string_view title,
                     InputPreview* preview) {
  using win32::DialogTemplate;
  // The prompt at the top left with room for a few lines, read first; the two buttons stacked at
  // the right, beside it; the text field across the whole width below, so a long pattern shows;
  // under it the preview, one line that ends in an ellipsis where it is too long.
  const short height = preview != nullptr ? 95 : 84;
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                        win32::Utf8ToWide(title), {0, 0, 250, height}, win32::DialogUiFont());
  dialog.AddControl(DialogTemplate::kStatic, SS_LEFT | SS_NOPREFIX, {7, 7, 176, 48}, kPromptId,
                    win32::Utf8ToWide(prompt));
  dialog.AddControl(DialogTemplate::kEdit, ES_AUTOHSCROLL | WS_TABSTOP, {7, 63, 236, 13}, kTextId,
                    L"", WS_EX_CLIENTEDGE);
  dialog.AddControl(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, {191, 7, 52, 14}, IDOK,
                    L"OK");
  dialog.AddControl(DialogTemplate::kButton, BS_PUSHBUTTON | WS_TABSTOP, {191, 25, 52, 14},
                    IDCANCEL, L"キャンセル");
  if (preview != nullptr) {
    dialog.AddControl(DialogTemplate::kStatic, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS,
                      {7, 80, 236, 8}, kInputPreviewId, L"");
  }

  InputBoxDialog box(preview);
  const INT_PTR result = win32::ShowModalDialog(
      dialog, owner, &win32::DialogProcedure<InputBoxDialog, &InputBoxDialog::OnMessage>,
      reinterpret_cast<LPARAM>(&box));
  return result == IDOK ? box.Text() : std::string();
}

}  // namespace mirel
