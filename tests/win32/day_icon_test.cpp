#include "clock/day_icon_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

#include "clock/day_page.h"
#include "tests/support/test_handles_win.h"

// The clock's day icons as GDI draws them: the page at every size with the day's numeral on it,
// and the window's pair replaced a thousand times without a GDI object or an icon left behind.

namespace mirel {
namespace {

// The icon's own pixels, 0xAARRGGBB, row by row from the top.
std::vector<std::uint32_t> Pixels(HICON icon, int size) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) {
    ADD_FAILURE() << "GetIconInfo";
    return {};
  }
  const win32::UniqueBitmap colour(info.hbmColor);
  const win32::UniqueBitmap mask(info.hbmMask);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
  win32::WindowDcGuard screen(nullptr);
  EXPECT_EQ(::GetDIBits(screen.Dc(), colour.Get(), 0, size, pixels.data(), &format, DIB_RGB_COLORS),
            size);
  return pixels;
}

bool IsNumeralRed(std::uint32_t pixel) {
  const std::uint32_t r = pixel >> 16 & 0xFF, g = pixel >> 8 & 0xFF, b = pixel & 0xFF;
  return r >= 0xC0 && g <= 0x80 && b <= 0x80;
}

// Live GDI objects of this process. Wine has no GetGuiResources (it answers 0); its gdi32 finds
// an object by the index alone when a handle's upper half is zero, so every index is tried.
int GdiObjects() {
  if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) {
    return static_cast<int>(counted);
  }
  int live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
    live += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  }
  return live;
}

TEST(DayIconTest, EverySizeIsThePageWithTheDaysRedNumeral) {
  for (int size : {16, 20, 24, 32, 48, 64, 256}) {
    const DayPage page = LayoutDayPage(size);
    std::vector<std::uint32_t> drawn[2];
    for (int i = 0; i < 2; ++i) {
      const int day = i == 0 ? 7 : 28;
      SCOPED_TRACE(testing::Message() << "size " << size << ", day " << day);
      const win32::UniqueHicon icon = DrawDayIcon(day, size);
      ASSERT_TRUE(icon);
      drawn[i] = Pixels(icon.Get(), size);
      ASSERT_EQ(drawn[i].size(), static_cast<std::size_t>(size) * size);
      EXPECT_EQ(drawn[i].front() >> 24, 0u);  // transparent around the page
      int red = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const std::uint32_t pixel = drawn[i][static_cast<std::size_t>(y) * size + x];
          if (!IsNumeralRed(pixel)) {
            continue;
          }
          ++red;
          const PixelRect& box = page.numeralBox;
          EXPECT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom)
              << x << "," << y;
          EXPECT_EQ(pixel >> 24, 0xFFu);
        }
      }
      // A numeral worth the name: at least a tenth of its box, the thin "7" included.
      EXPECT_GE(red * 10, page.numeralBox.Width() * page.numeralBox.Height());
      EXPECT_EQ(Pixels(DrawDayIcon(day, size).Get(), size), drawn[i]);  // the same each time
    }
    EXPECT_NE(drawn[0], drawn[1]) << size;
  }
}

TEST(DayIconTest, AThousandChangesLeaveNoGdiObjectOrIconBehind) {
  const win32::UniqueHwnd window(::CreateWindowExW(0, L"Static", L"clock", WS_OVERLAPPEDWINDOW, 0,
                                                   0, 100, 100, nullptr, nullptr,
                                                   ::GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(window);
  const int before = GdiObjects();
  WindowDayIcons icons;
  icons.Show(window.Get(), 1);  // the first drawing may set up caches of GDI's own
  const int shown = GdiObjects();
  std::set<WORD> iconSlots;
  for (int change = 0; change < 1000; ++change) {
    icons.Show(window.Get(), 1 + change % 31);
    for (WPARAM which : {ICON_SMALL, ICON_BIG}) {
      const auto icon = ::SendMessageW(window.Get(), WM_GETICON, which, 0);
      ASSERT_NE(icon, 0);
      iconSlots.insert(LOWORD(icon));
    }
  }
  const int after = GdiObjects();
  // A destroyed icon's handle slot is taken again by a later one; kept icons would need two new
  // slots at every change.
  EXPECT_EQ(after, shown);
  EXPECT_LE(iconSlots.size(), 4u);
  icons.Clear(window.Get());
  EXPECT_EQ(::SendMessageW(window.Get(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(::SendMessageW(window.Get(), WM_GETICON, ICON_BIG, 0), 0);
  const int cleared = GdiObjects();
  std::printf(
      "GDI objects: %d before, %d with the icons, %d after 1000 changes, %d cleared; "
      "%zu icon handle slots\n",
      before, shown, after, cleared, iconSlots.size());
  // The icons' bitmaps went with them; what stays is what GDI set up for itself at the first
  // drawing, the same after a second round.
  EXPECT_LT(cleared, shown);
  icons.Show(window.Get(), 5);
  icons.Clear(window.Get());
  EXPECT_EQ(GdiObjects(), cleared);
}

// With MIREL_ICON_PICTURE set, the icons of the 7th and the 28th at 16, 32 and 48 pixels, drawn
// as a window's would be over a light grey, go into that BMP file (the README's picture).
TEST(DayIconTest, PictureOfTwoDaysAtThreeSizes) {
  const char* path = std::getenv("MIREL_ICON_PICTURE");
  if (path == nullptr) {
    GTEST_SKIP() << "MIREL_ICON_PICTURE not set";
  }
  constexpr int kSizes[] = {16, 32, 48};
  constexpr int kGap = 8;
  constexpr int kWidth = kGap + 16 + kGap + 32 + kGap + 48 + kGap;
  constexpr int kHeight = kGap + 48 + kGap + 48 + kGap;
  win32::WindowDcGuard screen(nullptr);
  const win32::UniqueMemoryDc dc(::CreateCompatibleDC(screen.Dc()));
  const win32::UniqueBitmap picture(::CreateCompatibleBitmap(screen.Dc(), kWidth, kHeight));
  {
    win32::SelectObjectGuard select(dc.Get(), picture.Get());
    const win32::UniqueBrush background(::CreateSolidBrush(RGB(0xE6, 0xE6, 0xE6)));
    const RECT all{0, 0, kWidth, kHeight};
    ::FillRect(dc.Get(), &all, background.Get());
    int top = kGap;
    for (int day : {7, 28}) {
      int left = kGap;
      for (int size : kSizes) {
        const win32::UniqueHicon icon = DrawDayIcon(day, size);
        ::DrawIconEx(dc.Get(), left, top + 48 - size, icon.Get(), size, size, 0, nullptr,
                     DI_NORMAL);
        left += size + kGap;
      }
      top += 48 + kGap;
    }
  }
  BITMAPINFOHEADER header{sizeof header, kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (kWidth * 3 + 3) / 4 * 4;
  std::vector<char> rows(static_cast<std::size_t>(stride) * kHeight);
  ASSERT_EQ(::GetDIBits(dc.Get(), picture.Get(), 0, kHeight, rows.data(),
                        reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS),
            kHeight);
  const BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + rows.size()), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof header};
  FILE* out = std::fopen(path, "wb");
  ASSERT_NE(out, nullptr) << path;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::fwrite(rows.data(), rows.size(), 1, out);
  EXPECT_EQ(std::fclose(out), 0);
}

}  // namespace
}  // namespace mirel
