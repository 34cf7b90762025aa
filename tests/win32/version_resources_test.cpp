#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "components/win32/app_info.h"
#include "mirel_version.h"  // CMake's project version
#include "resources/resource_ids.h"
#include "tests/support/test_handles_win.h"

// The program's resource script: its manifest, its version, and its icons loaded as the windows
// load them.

namespace mirel {
namespace {

using win32::UniqueHicon;

UniqueHicon LoadIconAt(int id, int size) {
  return UniqueHicon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

// The icon drawn at its own size over a background colour, as 0xRRGGBB pixels, row by row.
std::vector<COLORREF> DrawOver(HICON icon, int size, COLORREF background) {
  win32::UniqueMemoryDc dc;
  win32::UniqueBitmap bitmap;
  {
    win32::WindowDcGuard screen(nullptr);
    dc.Reset(::CreateCompatibleDC(screen.Dc()));
    bitmap.Reset(::CreateCompatibleBitmap(screen.Dc(), size, size));
  }
  win32::SelectObjectGuard select(dc.Get(), bitmap.Get());
  win32::UniqueBrush brush(::CreateSolidBrush(background));
  RECT all{0, 0, size, size};
  ::FillRect(dc.Get(), &all, brush.Get());
  ::DrawIconEx(dc.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      pixels.push_back(::GetPixel(dc.Get(), x, y));
    }
  }
  return pixels;
}

// The manifest is what makes the windows DPI aware and the dialogs' controls styled: without it
// they would be stretched blurrily and drawn in the old look.
TEST(VersionResourcesTest, ManifestAsksForPerMonitorDpiAndVisualStyles) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const auto* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
  ASSERT_NE(data, nullptr);
  const std::string manifest(data, ::SizeofResource(module, found));
  EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

// What a module file says its version is: the fixed numbers, the two version strings and the
// manifest's assembly version, each read the way Windows and Explorer read them.
struct ModuleVersion {
  std::wstring fixedFile, fixedProduct, fileVersion, productVersion;
  std::string manifest;
};

std::wstring FourNumbers(DWORD high, DWORD low) {
  return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
         std::to_wstring(HIWORD(low)) + L"." + std::to_wstring(LOWORD(low));
}

ModuleVersion ReadModuleVersion(const std::wstring& path) {
  ModuleVersion version;
  DWORD ignored = 0;
  std::vector<BYTE> block(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
  if (block.empty() ||
      !::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
    return version;
  }
  void* value = nullptr;
  UINT length = 0;
  if (::VerQueryValueW(block.data(), L"\\", &value, &length) &&
      length >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    version.fixedFile = FourNumbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    version.fixedProduct = FourNumbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  }
  auto text = [&](const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    return ::VerQueryValueW(block.data(), key.c_str(), &value, &length) && length > 0
               ? std::wstring(static_cast<const wchar_t*>(value))
               : std::wstring();
  };
  version.fileVersion = text(L"FileVersion");
  version.productVersion = text(L"ProductVersion");

  const std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&::FreeLibrary)> module(
      ::LoadLibraryExW(path.c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE),
      &::FreeLibrary);
  HRSRC found =
      module ? ::FindResourceW(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
  if (found != nullptr) {
    const auto* data =
        static_cast<const char*>(::LockResource(::LoadResource(module.get(), found)));
    version.manifest.assign(data, ::SizeofResource(module.get(), found));
  }
  return version;
}

// One version number, CMake's, in every place Windows shows one: the executable built beside
// this test (MIREL_EXE, a Unix path seen through Wine's Z: drive) and this test program, which
// carries the same resource script.
TEST(VersionResourcesTest, EveryVersionIsTheProjectVersion) {
  const std::wstring text = L"" MIREL_VERSION_TEXT;
  const std::wstring quad = text + L".0";
  std::vector<std::wstring> paths{win32::ExecutablePath()};
  if (const char* exe = std::getenv("MIREL_EXE"); exe != nullptr && *exe == '/') {
    std::wstring path = L"Z:";
    for (const char* c = exe; *c != '\0'; ++c) {
      path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    }
    paths.push_back(path);
  } else {
    ADD_FAILURE() << "MIREL_EXE names no executable: run this program through CTest";
  }
  for (const std::wstring& path : paths) {
    SCOPED_TRACE(testing::PrintToString(path));
    const ModuleVersion version = ReadModuleVersion(path);
    EXPECT_EQ(version.fixedFile, quad);
    EXPECT_EQ(version.fixedProduct, quad);
    EXPECT_EQ(version.fileVersion, text);
    EXPECT_EQ(version.productVersion, text);
    const std::string identity = "name=\"Mirel\" version=\"" MIREL_VERSION_TEXT ".0\"";
    EXPECT_NE(version.manifest.find(identity), std::string::npos) << version.manifest;
  }
}

TEST(VersionResourcesTest, ApplicationIconHasEverySize) {
  for (int size : {16, 32, 48, 256}) {
    SCOPED_TRACE(size);
    UniqueHicon icon = LoadIconAt(IDI_MIREL, size);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon.Get(), &info));
    win32::UniqueGdiObject colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);
  }
}

TEST(VersionResourcesTest, ApplicationIconShowsTheRedNumeralOnThePage) {
  UniqueHicon icon = LoadIconAt(IDI_MIREL, 32);
  ASSERT_TRUE(icon);
  const auto pixels = DrawOver(icon.Get(), 32, RGB(0, 0, 255));
  EXPECT_EQ(pixels[0], RGB(0, 0, 255));                // transparent corner
  EXPECT_EQ(pixels[10 * 32 + 5], RGB(255, 255, 255));  // the page
  EXPECT_EQ(pixels[18 * 32 + 15], RGB(255, 0, 0));     // the numeral's stem
  EXPECT_EQ(pixels[3 * 32 + 15], RGB(255, 255, 0));    // the binding strip: yellow
  EXPECT_EQ(pixels[5 * 32 + 15], RGB(128, 128, 0));    // and olive
}

// Each arrow: a triangle, light grey above the middle, black below, a dark grey base; the blue
// of the box shows everywhere else.
TEST(VersionResourcesTest, ArrowsAreBevelledTrianglesOnTransparentGround) {
  struct Case {
    int id;
    int tipColumn;   // the column of the tip
    int baseColumn;  // the dark grey edge
  };
  const COLORREF blue = RGB(0, 0, 255);
  for (const Case& c : {Case{IDI_ARROW_PREV, 4, 10}, Case{IDI_ARROW_NEXT, 11, 5}}) {
    SCOPED_TRACE(c.id);
    UniqueHicon icon = LoadIconAt(c.id, 16);
    ASSERT_TRUE(icon);
    const auto pixels = DrawOver(icon.Get(), 16, blue);
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * 16 + x)]; };
    EXPECT_EQ(at(c.tipColumn, 7), RGB(192, 192, 192));
    EXPECT_EQ(at(c.tipColumn, 8), RGB(0, 0, 0));
    EXPECT_EQ(at(c.baseColumn, 2), RGB(128, 128, 128));
    EXPECT_EQ(at(c.baseColumn, 13), RGB(128, 128, 128));
    int transparent = 0;
    for (COLORREF p : pixels) {
      transparent += p == blue;
    }
    EXPECT_EQ(transparent, 256 - 56);  // 42 triangle pixels and 14 of the base edge
  }
}

}  // namespace
}  // namespace mirel
