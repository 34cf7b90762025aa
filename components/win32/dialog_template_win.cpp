#include "components/win32/dialog_template.h"

#include <commctrl.h>

#include <climits>
#include <cstring>

#include "components/errors.h"
#include "components/win32/dpi.h"
#include "components/win32/system_library.h"
#include "components/win32/win_error.h"

namespace mirel::win32 {

DialogFont DialogUiFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) ||
      metrics.lfMessageFont.lfFaceName[0] == L'\0' || metrics.lfMessageFont.lfHeight == 0) {
    return {L"MS Shell Dlg", 9};
  }
  // The metrics are given in pixels at the system DPI; a template wants points.
  const LONG height = metrics.lfMessageFont.lfHeight;
  const int points = ::MulDiv(height < 0 ? -height : height, 72, static_cast<int>(SystemDpi()));
  DialogFont font;
  font.face = metrics.lfMessageFont.lfFaceName;
  font.pointSize = static_cast<WORD>(points < 6 ? 9 : points);
  return font;
}

DialogTemplate::DialogTemplate(DWORD style, std::wstring_view caption, DialogUnits frame,
                               const DialogFont& font) {
  AppendDword(style | DS_SETFONT);
  AppendDword(0);  // extended style
  Append(0);       // control count, set by AddControl
  Append(static_cast<WORD>(frame.x));
  Append(static_cast<WORD>(frame.y));
  Append(static_cast<WORD>(frame.width));
  Append(static_cast<WORD>(frame.height));
  Append(0);  // no menu
  Append(0);  // the predefined dialog class
  AppendText(caption);
  Append(font.pointSize);
  AppendText(font.face);
}

void DialogTemplate::AddControl(WORD controlClass, DWORD style, DialogUnits frame, WORD id,
                                std::wstring_view text, DWORD extendedStyle) {
  if (controlCount_ == SHRT_MAX) {
    // The template counts its controls in 16 bits (DLGTEMPLATE::cdit).
    throw OverflowError("too many dialog controls");
  }
  AlignToDword();
  AppendDword(style | WS_CHILD | WS_VISIBLE);
  AppendDword(extendedStyle);
  Append(static_cast<WORD>(frame.x));
  Append(static_cast<WORD>(frame.y));
  Append(static_cast<WORD>(frame.width));
  Append(static_cast<WORD>(frame.height));
  Append(id);
  Append(0xFFFF);  // the class follows as an atom
  Append(controlClass);
  AppendText(text);
  Append(0);  // no creation data
  ++controlCount_;
  words_[4] = static_cast<WORD>(controlCount_);  // DLGTEMPLATE::cdit
}

const DLGTEMPLATE* DialogTemplate::Get() const {
  aligned_.assign((words_.size() + 1) / 2, 0);
  std::memcpy(aligned_.data(), words_.data(), words_.size() * sizeof(WORD));
  return reinterpret_cast<const DLGTEMPLATE*>(aligned_.data());
}

void DialogTemplate::AppendDword(DWORD value) {
  Append(LOWORD(value));
  Append(HIWORD(value));
}

void DialogTemplate::AppendText(std::wstring_view text) {
  for (wchar_t c : text) {
    Append(static_cast<WORD>(c));
  }
  Append(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) {
    Append(0);
  }
}

namespace {

// The styled controls of the common controls library (version 6, which the manifest asks for)
// for the dialogs' buttons and fields. Loaded when the first dialog opens rather than imported:
// the library registers its window classes as it loads, which slows the clock's start
// (bench/startup.sh) for dialogs the user may never open. Without it the dialogs still work,
// unstyled.
void UseStyledControls() noexcept {
  static const bool loaded = [] {
    // Kept for the rest of the run: the dialogs' controls belong to it.
    // The manifest's activation context takes the name to the side-by-side version 6.
    const auto init =
        SystemFunction<decltype(&::InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    return init != nullptr && init(&controls) != FALSE;
  }();
  static_cast<void>(loaded);
}

}  // namespace

INT_PTR ShowModalDialog(const DialogTemplate& dialog, HWND owner, DLGPROC procedure,
                        LPARAM parameter) {
  UseStyledControls();
  const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner,
                                                   procedure, parameter);
  if (result != -1 && result != 0) {
    return result;
  }
  const DWORD error = ::GetLastError();
  if (owner != nullptr && !::IsWindow(owner)) {
    return IDCANCEL;
  }
  ThrowWin32Error("DialogBoxIndirectParamW", error);
}

HWND CreateModelessDialog(const DialogTemplate& dialog, HWND owner, DLGPROC procedure,
                          LPARAM parameter) {
  UseStyledControls();
  const HWND made = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner,
                                                 procedure, parameter);
  if (made == nullptr) {
    ThrowWin32Error("CreateDialogIndirectParamW");
  }
  return made;
}

}  // namespace mirel::win32
