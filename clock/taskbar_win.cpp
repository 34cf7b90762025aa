#include "clock/taskbar_win.h"

#include <shellapi.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "clock/label_tip.h"
#include "components/win32/app_info.h"
#include "components/win32/dialog_template.h"
#include "components/win32/system_info.h"
#include "components/win32/text_conversion.h"
#include "components/win32/window_procedure.h"
#include "components/win32/work_area_fit_win.h"

namespace mirel {
namespace {

constexpr wchar_t kAdvancedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
// The main taskbar's setting; the other monitors' (MMTaskbarGlomLevel) do not matter, since the
// clock stands on the main monitor and its button on the main taskbar.
std::optional<std::uint32_t> GlomLevel() {
  return win32::CurrentUserDword(kAdvancedKey, L"TaskbarGlomLevel");
}

// Room for eight lines of text, more than either message needs.
win32::DialogTemplate LabelTipTemplate(const std::string& text) {
  using win32::DialogTemplate;
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER,
                        win32::Utf8ToWide(win32::ExecutableBaseName()), {0, 0, 260, 103},
                        win32::DialogUiFont());
  dialog.AddControl(DialogTemplate::kStatic, SS_LEFT | SS_NOPREFIX, {7, 7, 246, 70},
                    kLabelTipTextId, win32::Utf8ToWide(text));
  dialog.AddControl(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, {103, 82, 94, 14},
                    kOpenTaskbarSettingsId, win32::Utf8ToWide(kOpenTaskbarSettingsText));
  dialog.AddControl(DialogTemplate::kButton, BS_PUSHBUTTON | WS_TABSTOP, {201, 82, 52, 14},
                    IDCANCEL, win32::Utf8ToWide(kCloseLabelTipText));
  return dialog;
}

void OpenTaskbarSettings() {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", L"ms-settings:taskbar", nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) {
    win32::ThrowWin32Error("ShellExecuteW ms-settings:taskbar");
  }
}

}  // namespace

TaskbarWin::TaskbarWin(std::function<void()> closed) : closed_(std::move(closed)) {}

TaskbarWin::~TaskbarWin() {
  CloseLabelTip();
}

WindowsGeneration TaskbarWin::Windows() const {
  const auto version = win32::RunningWindowsVersion();
  if (!version || version->major < 10) {
    return WindowsGeneration::kBefore10;
  }
  return version->build >= win32::kFirstWindows11Build ? WindowsGeneration::k11
                                                       : WindowsGeneration::k10;
}

bool TaskbarWin::HidesLabels() const {
  return GlomLevelHidesLabels(GlomLevel());
}

void TaskbarWin::ShowLabelTip(const std::string& text) {
  if (tip_ != nullptr) {
    return;
  }
  tip_ = win32::CreateModelessDialog(LabelTipTemplate(text), nullptr,
                                     &win32::DialogProcedure<TaskbarWin, &TaskbarWin::OnMessage>,
                                     reinterpret_cast<LPARAM>(this));
}

bool TaskbarWin::HandleDialogMessage(MSG& message) {
  return tip_ != nullptr && ::IsDialogMessageW(tip_, &message);
}

void TaskbarWin::CloseLabelTip() noexcept {
  if (tip_ != nullptr) {
    ::DestroyWindow(std::exchange(tip_, nullptr));
  }
}

INT_PTR TaskbarWin::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      // Centred by the system; kept inside the work area, as every window of the program is.
      RECT frame{};
      ::GetWindowRect(dialog, &frame);
      const RECT fitted = win32::FitIntoWorkArea(frame, win32::Oversize::kKeepSize);
      ::SetWindowPos(dialog, nullptr, fitted.left, fitted.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kOpenTaskbarSettingsId) {
        OpenTaskbarSettings();  // the message stays, to be read beside the settings
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        CloseLabelTip();
        closed_();
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace mirel
