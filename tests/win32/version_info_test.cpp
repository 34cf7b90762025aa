#include "components/form_controls/version_info_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "components/win32/app_info.h"
#include "components/win32/system_library.h"
#include "mirel_version.h"
#include "tests/support/test_handles_win.h"
#include "tests/win32/input_box_modal_driver.h"

// The test program carries the program's own resource script, so these tests read the same
// version resource the executable has.

namespace mirel {
namespace {

using testing::ModalDialogDriver;

const wchar_t kDescription[] = L"日付と時刻を表示するカレンダー時計";

// A DLL beside the program is never taken for a system one: not by SystemLibrary, and not by a
// plain load by name once the search leaves the program's folder out. The copy is a DLL that
// leaves a marker file when loaded (tests/e2e/marker_dll_win.cpp); loaded by its full path it
// does, which shows the marker works.
TEST(SystemLibraryTest, NeverTakesADllFromTheProgramsFolder) {
  const char* marker = std::getenv("MIREL_MARKER_DLL");
  ASSERT_NE(marker, nullptr) << "MIREL_MARKER_DLL names the marker DLL (set by CTest)";
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(win32::ExecutablePath()).parent_path();
  const auto copy = [&](const wchar_t* name) {
    const fs::path path = folder / name;
    fs::remove(path);  // overwrite_existing fails where the copy exists, in mingw's library
    fs::copy_file(marker, path);
    fs::remove(path.wstring() + L".loaded");
    return path;
  };
  const fs::path beside = copy(L"mirel_marker_probe.dll");
  const fs::path control = copy(L"mirel_marker_control.dll");

  EXPECT_EQ(win32::SystemLibrary(L"mirel_marker_probe.dll"), nullptr);
  EXPECT_NE(win32::SystemLibrary(L"version.dll"), nullptr);
  win32::SearchDllsInSystemFolderOnly();
  EXPECT_EQ(::LoadLibraryW(L"mirel_marker_probe.dll"), nullptr);
  EXPECT_FALSE(fs::exists(beside.wstring() + L".loaded"));

  const HMODULE loaded = ::LoadLibraryW(control.c_str());
  EXPECT_NE(loaded, nullptr);
  EXPECT_TRUE(fs::exists(control.wstring() + L".loaded"));
  if (loaded != nullptr) {
    ::FreeLibrary(loaded);
  }
}

TEST(VersionInfoTest, FileWithoutVersionResourceGivesNothing) {
  EXPECT_FALSE(ReadVersionStrings(L"C:\\no\\such\\file.exe").has_value());
}

TEST(VersionInfoTest, DialogTextFallsBackToTheTitle) {
  struct Case {
    const char* name;
    std::optional<VersionStrings> strings;
    std::wstring product, description, copyright;
  };
  const Case cases[] = {
      {"full resource", VersionStrings{L"Mirel", L"1.0.0", L"説明", L"(C) 2026"},
       L"Mirel バージョン 1.0.0", L"説明", L"(C) 2026"},
      {"no version string", VersionStrings{L"Mirel", L"", L"説明", L""}, L"Mirel", L"説明", L""},
      {"no product name", VersionStrings{L"", L"2.0", L"説明", L""}, L"Title バージョン 2.0",
       L"説明", L""},
      {"no resource", std::nullopt, L"Title", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const VersionDialogText text = MakeVersionDialogText(c.strings, L"Title", L"C:\\x\\Title.exe");
    EXPECT_EQ(text.product, c.product);
    EXPECT_EQ(text.description, c.description);
    EXPECT_EQ(text.copyright, c.copyright);
    EXPECT_EQ(text.path, L"C:\\x\\Title.exe");
  }
}

// The texts come from the version resource the test program shares with the executable.
TEST(VersionInfoTest, DialogShowsIconVersionPathAndClosesByOkOrEscape) {
  HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  ASSERT_NE(icon, nullptr);
  const std::wstring path = win32::ExecutablePath();
  const UINT closingKeys[] = {VK_ESCAPE, VK_RETURN};
  for (UINT key : closingKeys) {
    SCOPED_TRACE(key);
    bool inspected = false;
    ModalDialogDriver::Run(
        [&](HWND dialog) {
          inspected = true;
          EXPECT_EQ(ModalDialogDriver::Text(dialog), L"バージョン情報");
          EXPECT_EQ(ModalDialogDriver::Text(::GetDlgItem(dialog, kVersionProductId)),
                    L"Mirel バージョン " MIREL_VERSION_TEXT);
          EXPECT_EQ(ModalDialogDriver::Text(::GetDlgItem(dialog, kVersionDescriptionId)),
                    kDescription);
          EXPECT_EQ(ModalDialogDriver::Text(::GetDlgItem(dialog, kVersionCopyrightId))
                        .rfind(L"Copyright", 0),
                    0u);
          EXPECT_EQ(ModalDialogDriver::Text(::GetDlgItem(dialog, kVersionPathId)), path);
          // The icon, at 32 pixels for the 96 DPI of the test display.
          HICON shown = reinterpret_cast<HICON>(
              ::SendDlgItemMessageW(dialog, kVersionIconId, STM_GETICON, 0, 0));
          ICONINFO info{};
          ASSERT_TRUE(::GetIconInfo(shown, &info));
          win32::UniqueGdiObject colour(info.hbmColor), mask(info.hbmMask);
          BITMAP bitmap{};
          ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
          EXPECT_EQ(bitmap.bmWidth, 32);
          ModalDialogDriver::PressKey(::GetFocus(), key);
        },
        [&] {
          MakeVersionInfo()->ShowVersion(nullptr, {"Mirel", ""}, icon);
          return 0;
        });
    EXPECT_TRUE(inspected);
  }
}

}  // namespace
}  // namespace mirel
