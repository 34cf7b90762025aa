#include "components/surface/gdi_surface_win.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "calendar/draw_calender.h"
#include "components/look/system_look_win.h"
#include "components/surface/system_palette_win.h"
#include "components/win32/unique_handle.h"

namespace mirel {
namespace {

class GdiSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    surface_.SetDpi(96);
    surface_.Resize(screen_.Dc(), 140, 70);
    surface_.Cls();
    surface_.Scale(0, 0, 7, 7);  // 20 x 10 pixels per unit
  }
  COLORREF Pixel(int x, int y) const { return ::GetPixel(surface_.Dc(), x, y); }
  int Count(int left, int top, int right, int bottom, COLORREF color) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        n += Pixel(x, y) == color ? 1 : 0;
      }
    }
    return n;
  }

  win32::WindowDcGuard screen_{nullptr};
  GdiSurface surface_{kWhite};
};

TEST_F(GdiSurfaceTest, BoxesFollowTheUserScale) {
  EXPECT_EQ(Pixel(70, 40), kWhite);
  surface_.Line(0, 0, 7, 1, kBlue, LineKind::kFilledBox);
  EXPECT_EQ(Pixel(1, 1), kBlue);
  EXPECT_EQ(Pixel(139, 9), kBlue);
  EXPECT_EQ(Pixel(70, 12), kWhite);

  surface_.Line(1, 2, 2, 3, kRed, LineKind::kBox);
  EXPECT_EQ(Pixel(30, 20), kRed);  // top edge
  EXPECT_EQ(Pixel(20, 25), kRed);  // left edge
  EXPECT_EQ(Pixel(40, 25), kRed);  // right edge
  EXPECT_EQ(Pixel(30, 25), kWhite);
  EXPECT_EQ(surface_.CurrentX(), 2);
  EXPECT_EQ(surface_.CurrentY(), 3);

  // A frame on the last column and row stays inside the picture.
  surface_.Line(6, 6, 7, 7, kRed, LineKind::kBox);
  EXPECT_EQ(Pixel(139, 65), kRed);
  EXPECT_EQ(Pixel(130, 69), kRed);
}

TEST_F(GdiSurfaceTest, PrintDrawsWithoutBackgroundAndEndsTheLine) {
  surface_.Line(0, 0, 7, 2, kBlue, LineKind::kFilledBox);
  surface_.SetForeColor(kWhite);
  surface_.SetFontBold(true);
  surface_.SetCurrentX(0.5);
  surface_.SetCurrentY(0.2);
  const double lineHeight = surface_.TextHeight("日");
  surface_.Print("日月");
  EXPECT_EQ(surface_.CurrentX(), 0);
  EXPECT_NEAR(surface_.CurrentY(), 0.2 + lineHeight, 1e-9);
  const int whitePixels = Count(0, 0, 140, 20, kWhite);
  const int bluePixels = Count(0, 0, 140, 20, kBlue);
  EXPECT_GT(whitePixels, 0);            // the text
  EXPECT_GT(bluePixels, 140 * 20 / 2);  // the band shows round it
  EXPECT_EQ(Pixel(0, 0), kBlue);        // no background box at the pen
}

TEST_F(GdiSurfaceTest, RightAlignedTextEndsAtItsEdgeAndLeavesThePen) {
  surface_.SetForeColor(kBlack);
  surface_.SetFontSize(FontSize::kSmall);
  surface_.SetCurrentX(1);
  surface_.SetCurrentY(2);
  surface_.PrintRightAligned("大安", 4);  // ends at pixel 80
  EXPECT_EQ(surface_.CurrentX(), 1);
  EXPECT_EQ(surface_.CurrentY(), 2);
  const int width = static_cast<int>(std::lround(surface_.TextWidth("大安") * 20));
  EXPECT_GT(Count(80 - width, 20, 80, 40, kWhite), 0);
  EXPECT_LT(Count(80 - width, 20, 80, 40, kWhite), width * 20);  // the text
  EXPECT_EQ(Count(80, 0, 140, 70, kWhite), 60 * 70);             // nothing past its end
  EXPECT_EQ(Count(0, 0, 80 - width, 70, kWhite), (80 - width) * 70);
}

TEST_F(GdiSurfaceTest, FontIsJapaneseCapableBoldAndScaledForDpi) {
  WORD glyphs[3] = {};
  ASSERT_NE(::GetGlyphIndicesW(surface_.Dc(), L"日土今", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS),
            GDI_ERROR);
  for (WORD glyph : glyphs) {
    EXPECT_NE(glyph, 0xFFFF);
  }
  TEXTMETRICW metrics{};
  surface_.SetFontBold(false);
  const double regular = surface_.TextWidth("2024年03月");
  ASSERT_TRUE(::GetTextMetricsW(surface_.Dc(), &metrics));
  EXPECT_LT(metrics.tmWeight, FW_BOLD);
  surface_.SetFontBold(true);
  ASSERT_TRUE(::GetTextMetricsW(surface_.Dc(), &metrics));
  EXPECT_GE(metrics.tmWeight, FW_BOLD);
  EXPECT_GE(surface_.TextWidth("2024年03月"), regular);
  EXPECT_GT(regular, 0);

  // Small text, for the 六曜 above a day's number: about three quarters of the regular height,
  // in either weight, until the regular size is asked for again.
  surface_.SetFontBold(false);
  const double regularHeight = surface_.TextHeight("大安");
  for (bool bold : {false, true}) {
    surface_.SetFontBold(bold);
    surface_.SetFontSize(FontSize::kSmall);
    EXPECT_NEAR(surface_.TextHeight("大安") / regularHeight, 0.75, 0.1) << bold;
    ASSERT_TRUE(::GetTextMetricsW(surface_.Dc(), &metrics));
    EXPECT_EQ(metrics.tmWeight >= FW_BOLD, bold);
    surface_.SetFontSize(FontSize::kRegular);
  }
  surface_.SetFontBold(false);
  EXPECT_EQ(surface_.TextHeight("大安"), regularHeight);

  const LOGFONTW at96 = DefaultGuiFont(96);
  const LOGFONTW at192 = DefaultGuiFont(192);
  EXPECT_NEAR(std::abs(at192.lfHeight), 2 * std::abs(at96.lfHeight), 1);
}

TEST_F(GdiSurfaceTest, EmptySurfaceDrawsNothingAndRaisesNothing) {
  GdiSurface empty(kWhite);
  empty.SetDpi(96);
  empty.Resize(screen_.Dc(), 0, 0);
  EXPECT_TRUE(empty.Empty());
  EXPECT_NO_THROW(DrawCalender(
      empty, {2024, 3, 5}, [](std::string_view) { return std::string("祝日"); },
      [](std::string_view) {}));
  EXPECT_TRUE(std::isfinite(empty.CurrentX()));
  EXPECT_TRUE(std::isfinite(empty.CurrentY()));
  EXPECT_EQ(empty.TextWidth("日"), 0);
}

TEST_F(GdiSurfaceTest, ResizeKeepsTheScale) {
  surface_.Resize(screen_.Dc(), 70, 35);
  EXPECT_EQ(surface_.ScaleWidth(), 7);
  surface_.Cls();
  surface_.Line(0, 0, 7, 1, kBlue, LineKind::kFilledBox);
  EXPECT_EQ(Pixel(69, 4), kBlue);
  EXPECT_EQ(Pixel(35, 10), kWhite);
}

// The palette the calendar draws with, from the user's choice as stored; high contrast cannot be
// switched under Wine, so its mapping is the native palette test's alone.
TEST(SystemPaletteTest, FollowsTheUsersChoiceOfDarkApps) {
  constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  constexpr wchar_t kValue[] = L"AppsUseLightTheme";
  ASSERT_GE(ReadLookSettings().windowsBuild, 17763u) << "the tests run as Windows 10";
  ASSERT_FALSE(ReadLookSettings().highContrast);
  struct Case {
    const char* stored;
    DWORD type;  // REG_NONE: no value
    DWORD data;
    std::optional<std::uint32_t> read;
    Look look;
  };
  const Case cases[] = {
      {"nothing", REG_NONE, 0, std::nullopt, Look::kLight},
      {"dark", REG_DWORD, 0, 0, Look::kDark},
      {"light", REG_DWORD, 1, 1, Look::kLight},
      {"a text", REG_SZ, 0, std::nullopt, Look::kLight},  // L"\0": no DWORD, so no choice
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
    if (c.type != REG_NONE) {
      ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, c.type, &c.data, sizeof c.data),
                ERROR_SUCCESS);
    }
    EXPECT_EQ(ReadLookSettings().appsUseLightTheme, c.read);
    EXPECT_EQ(SystemPalette(), PaletteFor(c.look));
  }
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
}

}  // namespace
}  // namespace mirel
