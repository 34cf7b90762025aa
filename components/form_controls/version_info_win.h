// The Windows side of VersionInfo, open to tests: reading the version resource of a module and
// the text lines the dialog shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "components/form_controls/version_info.h"

namespace mirel {

// The strings of a module's version resource that the dialog shows.
struct VersionStrings {
  std::wstring productName;
  std::wstring productVersion;
  std::wstring fileDescription;
  std::wstring legalCopyright;
};

// Reads the version resource of the module file at `path`, in the language it names first
// (Japanese for the program). Nothing when the file has no version resource.
std::optional<VersionStrings> ReadVersionStrings(const std::wstring& path);

// Control identifiers of the dialog, for tests.
inline constexpr int kVersionIconId = 100;
inline constexpr int kVersionProductId = 101;
inline constexpr int kVersionDescriptionId = 102;
inline constexpr int kVersionCopyrightId = 103;
inline constexpr int kVersionPathId = 104;

// The texts of the dialog's product, description, copyright and path lines. Without a version
// resource the product line is the application's title.
// Example: {"Mirel バージョン 1.0.0", "日付と時刻を…", "Copyright (C) …", "C:\Tools\Mirel.exe"}
struct VersionDialogText {
  std::wstring product;
  std::wstring description;
  std::wstring copyright;
  std::wstring path;
};
VersionDialogText MakeVersionDialogText(const std::optional<VersionStrings>& strings,
                                        const std::wstring& title, const std::wstring& path);

}  // namespace mirel
