// Dialog templates built in memory, so small dialogs need no resource script entry and can be
// laid out from code (DialogBoxIndirectParamW). Sizes are dialog units, which the dialog manager
// derives from the dialog's font: the layout grows with the font and the monitor's DPI.
// Example:
//   DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, L"表示設定",
//                         {0, 0, 200, 60}, DialogUiFont());
//   dialog.AddControl(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, {140, 40, 50, 14},
//                     IDOK, L"OK");
//   DialogBoxIndirectParamW(instance, dialog.Get(), owner, procedure, 0);
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace mirel::win32 {

struct DialogUnits {
  short x = 0;
  short y = 0;
  short width = 0;
  short height = 0;
};

struct DialogFont {
  std::wstring face;
  WORD pointSize = 9;
};

// The user's message font (the one message boxes use), which on a Japanese system is a Japanese
// UI font and elsewhere links to one for Japanese text; "MS Shell Dlg" at 9 points when the
// system does not tell. Point sizes are DPI-independent; the dialog manager scales them.
DialogFont DialogUiFont();

class DialogTemplate {
 public:
  // Predefined control classes, by atom.
  static constexpr WORD kButton = 0x0080;
  static constexpr WORD kEdit = 0x0081;
  static constexpr WORD kStatic = 0x0082;

  // `style` gets DS_SETFONT added; WS_VISIBLE is not needed for modal dialogs.
  DialogTemplate(DWORD style, std::wstring_view caption, DialogUnits frame, const DialogFont& font);

  // Adds a child control; WS_CHILD and WS_VISIBLE are added to `style`.
  void AddControl(WORD controlClass, DWORD style, DialogUnits frame, WORD id,
                  std::wstring_view text, DWORD extendedStyle = 0);

  // The finished template, valid until the next AddControl or the object's end.
  const DLGTEMPLATE* Get() const;

 private:
  void Append(WORD word) { words_.push_back(word); }
  void AppendDword(DWORD value);
  void AppendText(std::wstring_view text);  // zero-terminated
  void AlignToDword();

  std::vector<WORD> words_;
  int controlCount_ = 0;
  mutable std::vector<DWORD> aligned_;  // the template handed out: DWORD-aligned storage
};

// Shows `dialog` modally over `owner` and returns what the dialog procedure ended it with. When
// the owner is closed while the dialog is open (the dialog goes with it), the result is IDCANCEL:
// the user's question is withdrawn, which is nothing to report. Throws on any other failure.
INT_PTR ShowModalDialog(const DialogTemplate& dialog, HWND owner, DLGPROC procedure,
                        LPARAM parameter);

// Creates `dialog` modelessly (its template has WS_VISIBLE to show at once) and returns it; the
// caller destroys it. Throws when it cannot be made.
HWND CreateModelessDialog(const DialogTemplate& dialog, HWND owner, DLGPROC procedure,
                          LPARAM parameter);

}  // namespace mirel::win32
