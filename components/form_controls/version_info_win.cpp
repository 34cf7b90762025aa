#include "components/form_controls/version_info_win.h"

#include <cstdint>

#include "components/win32/app_info.h"
#include "components/win32/dialog_template.h"
#include "components/win32/dpi.h"
#include "components/win32/system_library.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "components/win32/window_procedure.h"
#include "components/win32/work_area_fit_win.h"

namespace mirel {
namespace {

// The version functions, from System32's version.dll: it is none of the DLLs Windows always takes
// from there, so an import would load a version.dll lying beside the program instead.
struct VersionFunctions {
  decltype(&::GetFileVersionInfoSizeW) getSize = nullptr;
  decltype(&::GetFileVersionInfoW) getInfo = nullptr;
  decltype(&::VerQueryValueW) query = nullptr;
};

const VersionFunctions& Version() {
  static const VersionFunctions functions = [] {
    using win32::SystemFunction;
    return VersionFunctions{
        SystemFunction<decltype(&::GetFileVersionInfoSizeW)>(L"version.dll",
                                                             "GetFileVersionInfoSizeW"),
        SystemFunction<decltype(&::GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW"),
        SystemFunction<decltype(&::VerQueryValueW)>(L"version.dll", "VerQueryValueW")};
  }();
  return functions;
}

// One string of a version block; empty when the block lacks it.
std::wstring QueryString(const std::vector<BYTE>& block, const wchar_t* language,
                         const wchar_t* name) {
  const std::wstring key = std::wstring(L"\\StringFileInfo\\") + language + L"\\" + name;
  void* value = nullptr;
  UINT length = 0;
  if (!Version().query(block.data(), key.c_str(), &value, &length) || value == nullptr ||
      length == 0) {
    return {};
  }
  // The length counts the terminating zero, which some resource compilers leave out.
  std::wstring text(static_cast<const wchar_t*>(value), length);
  while (!text.empty() && text.back() == L'\0') {
    text.pop_back();
  }
  return text;
}

// The string-table names to try, the one the resource declares first.
std::vector<std::wstring> Languages(const std::vector<BYTE>& block) {
  std::vector<std::wstring> languages;
  void* value = nullptr;
  UINT length = 0;
  if (Version().query(block.data(), L"\\VarFileInfo\\Translation", &value, &length) &&
      value != nullptr && length >= 4) {
    const WORD* pair = static_cast<const WORD*>(value);
    // Language and code page as eight upper-case hex digits ("041104B0"). Spelt out rather than
    // by swprintf, which alone would link the C runtime's whole printf engine into the program.
    const std::uint32_t code = (std::uint32_t{pair[0]} << 16) | pair[1];
    std::wstring name(8, L'0');
    for (int digit = 7; digit >= 0; --digit) {
      name[static_cast<std::size_t>(7 - digit)] = L"0123456789ABCDEF"[(code >> (4 * digit)) & 0xF];
    }
    languages.push_back(std::move(name));
  }
  languages.emplace_back(L"041104B0");  // Japanese, Unicode
  languages.emplace_back(L"040904B0");  // US English, Unicode
  return languages;
}

// What the dialog procedure keeps: the icon to show and, owned by the dialog, its copy for the
// dialog's DPI.
class VersionDialogState {
 public:
  explicit VersionDialogState(HICON icon) : icon_(icon) {}
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HICON icon_;
  win32::UniqueHicon scaled_;
};

INT_PTR VersionDialogState::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      HICON icon = icon_;
      if (icon == nullptr) {
        icon = ::LoadIconW(nullptr, IDI_APPLICATION);
      }
      // A large icon at the dialog's DPI, taken afresh from the icon's resource, so that the
      // picture matches the text's size instead of staying 32 pixels on a high-DPI monitor.
      // An icon that was not loaded from a resource cannot be copied and is shown as it is.
      const int side = ::MulDiv(32, static_cast<int>(win32::WindowDpi(dialog)), 96);
      scaled_.Reset(
          static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, side, side, LR_COPYFROMRESOURCE)));
      if (scaled_) {
        icon = scaled_.Get();
      }
      ::SendDlgItemMessageW(dialog, kVersionIconId, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
      // Centred on the owner's monitor, a dialog larger than its work area would start off it.
      win32::KeepInsideWorkArea(dialog, win32::Oversize::kKeepSize);
      return TRUE;  // the focus goes to the OK button, the first tab stop
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

class VersionDialog final : public VersionInfo {
 public:
  void ShowVersion(void* owner, const ApplicationInfo& application, void* icon) override {
    const std::wstring path = application.exePath.empty() ? win32::ExecutablePath()
                                                          : win32::Utf8ToWide(application.exePath);
    const VersionDialogText text =
        MakeVersionDialogText(ReadVersionStrings(path), win32::Utf8ToWide(application.title), path);

    using win32::DialogTemplate;
    // DS_CENTER: centred on the owner's monitor, where the user is looking.
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          L"バージョン情報", {0, 0, 240, 92}, win32::DialogUiFont());
    dialog.AddControl(DialogTemplate::kStatic, SS_ICON | SS_CENTERIMAGE, {8, 8, 24, 24},
                      kVersionIconId, L"");
    const DWORD line = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
    dialog.AddControl(DialogTemplate::kStatic, line, {40, 8, 192, 10}, kVersionProductId,
                      text.product);
    dialog.AddControl(DialogTemplate::kStatic, line, {40, 20, 192, 10}, kVersionDescriptionId,
                      text.description);
    dialog.AddControl(DialogTemplate::kStatic, line, {40, 32, 192, 10}, kVersionCopyrightId,
                      text.copyright);
    // A read-only field rather than a label, so that a long path can be scrolled and copied.
    dialog.AddControl(DialogTemplate::kEdit, ES_READONLY | ES_AUTOHSCROLL, {40, 48, 192, 10},
                      kVersionPathId, text.path);
    dialog.AddControl(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, {182, 70, 50, 14},
                      IDOK, L"OK");

    VersionDialogState state(static_cast<HICON>(icon));
    win32::ShowModalDialog(
        dialog, static_cast<HWND>(owner),
        &win32::DialogProcedure<VersionDialogState, &VersionDialogState::OnMessage>,
        reinterpret_cast<LPARAM>(&state));
  }
};

}  // namespace

std::optional<VersionStrings> ReadVersionStrings(const std::wstring& path) {
  const VersionFunctions& version = Version();
  if (version.getSize == nullptr || version.getInfo == nullptr || version.query == nullptr) {
    return std::nullopt;
  }
  DWORD ignored = 0;
  const DWORD size = version.getSize(path.c_str(), &ignored);
  if (size == 0) {
    return std::nullopt;
  }
  std::vector<BYTE> block(size);
  if (!version.getInfo(path.c_str(), 0, size, block.data())) {
    return std::nullopt;
  }
  for (const std::wstring& language : Languages(block)) {
    VersionStrings strings;
    strings.productName = QueryString(block, language.c_str(), L"ProductName");
    strings.productVersion = QueryString(block, language.c_str(), L"ProductVersion");
    strings.fileDescription = QueryString(block, language.c_str(), L"FileDescription");
    strings.legalCopyright = QueryString(block, language.c_str(), L"LegalCopyright");
    if (!strings.productName.empty() || !strings.fileDescription.empty()) {
      return strings;
    }
  }
  return std::nullopt;
}

VersionDialogText MakeVersionDialogText(const std::optional<VersionStrings>& strings,
                                        const std::wstring& title, const std::wstring& path) {
  VersionDialogText text;
  text.path = path;
  if (!strings) {
    text.product = title;
    return text;
  }
  text.product = strings->productName.empty() ? title : strings->productName;
  if (!strings->productVersion.empty()) {
    text.product += L" バージョン " + strings->productVersion;
  }
  text.description = strings->fileDescription;
  text.copyright = strings->legalCopyright;
  return text;
}

std::unique_ptr<VersionInfo> MakeVersionInfo() {
  return std::make_unique<VersionDialog>();
}

}  // namespace mirel
