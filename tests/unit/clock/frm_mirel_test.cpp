#include "clock/frm_mirel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/label_tip.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "tests/unit/clock/fake_clock_platform.h"

namespace mirel {
namespace {

using ::testing::ElementsAre;

TEST(FrmMirelLoad, SecondCopyUnloadsAtOnceAndTouchesNothingElse) {
  FakeClockPlatform platform;
  platform.hidesLabels = true;  // not even the message about the taskbar
  platform.settings.SaveSetting("Mirel", "frmMirel", "Format", "yyyy");
  frmMirel form = platform.MakeForm("hh", /*prevInstance=*/true);
  form.Form_Load();
  EXPECT_THAT(platform.calls, ElementsAre("unload"));
  EXPECT_EQ(form.DisplayFormat, "");
  EXPECT_EQ(platform.caption, kDesignCaption);
}

TEST(FrmMirelLoad, PatternComesFromStoreOrCommandLine) {
  struct Case {
    const char* stored;  // nullptr: nothing stored
    std::string command;
    std::string expected;
  };
  const Case cases[] = {
      {nullptr, "", ""},
      {"yyyy/mm/dd", "", "yyyy/mm/dd"},
      {"yyyy/mm/dd", "hh:nn", "hh:nn"},
      {nullptr, "hh:nn", "hh:nn"},
      // The command line is taken unchanged: blanks and quotes are part of the pattern.
      {"yyyy", " \"a\" hh ", " \"a\" hh "},
      {"yyyy", " ", " "},
  };
  for (const Case& c : cases) {
    FakeClockPlatform platform;
    if (c.stored != nullptr) {
      platform.settings.SaveSetting("Mirel", "frmMirel", "Format", c.stored);
    }
    frmMirel form = platform.MakeForm(c.command);
    form.Form_Load();
    EXPECT_EQ(form.DisplayFormat, c.expected) << "command [" << c.command << "]";
    EXPECT_THAT(platform.calls, ElementsAre("menu", "timer on"));
    // The command line rules this run only: the store keeps what it had.
    EXPECT_EQ(platform.settings.GetSetting("Mirel", "frmMirel", "Format", "<none>"),
              c.stored != nullptr ? c.stored : "<none>");
  }
}

TEST(FrmMirelLoad, SettingsAreAddressedByTheExecutableName) {
  FakeClockPlatform platform;
  platform.settings.SaveSetting("Other", "frmMirel", "Format", "yyyy");
  frmMirel form = platform.MakeForm();
  form.Form_Load();
  EXPECT_EQ(form.DisplayFormat, "");
}

TEST(FrmMirelTimer, CaptionIsNowInTheDisplayFormat) {
  FakeClockPlatform platform;
  frmMirel form = platform.MakeForm("yyyy-mm-dd hh:nn:ss");
  form.Form_Load();
  ScopedNowOverride now(DateSerial(2024, 3, 5) + TimeSerial(13, 7, 9));
  EXPECT_EQ(platform.caption, kDesignCaption);  // until the first tick
  form.timMirel_Timer();
  EXPECT_EQ(platform.caption, "2024-03-05 13:07:09");
  // A pattern changed while running applies from the next tick on.
  form.DisplayFormat = "hh:nn";
  form.timMirel_Timer();
  EXPECT_EQ(platform.caption, "13:07");
}

TEST(FrmMirelTimer, ShowsTheSecondThatHasBegunNotTheNearestOne) {
  FakeClockPlatform platform;
  frmMirel form = platform.MakeForm("hh:nn:ss");
  form.Form_Load();
  const DateValue second = DateSerial(2024, 12, 31) + TimeSerial(23, 59, 59);
  for (double fraction : {0.0, 0.001, 0.5, 0.6, 0.999}) {
    ScopedNowOverride now(second + fraction / 86400.0);
    form.timMirel_Timer();
    EXPECT_EQ(platform.caption, "23:59:59") << fraction;
  }
  ScopedNowOverride now(DateSerial(2025, 1, 1));
  form.timMirel_Timer();
  EXPECT_EQ(platform.caption, "00:00:00");
}

// The icon is drawn only when the day differs from the last tick's: at midnight, or when the
// system time moved to another day. A new DPI has the same day drawn again at its size.
TEST(FrmMirelTimer, IconShowsTheDayAndIsDrawnAgainOnlyWhenItChanges) {
  FakeClockPlatform platform;
  frmMirel form = platform.MakeForm("hh:nn:ss");
  form.Form_Load();
  form.msgMirel_Message(kDpiChangedMessage, 0x00900090, 0, 0);  // no day to draw before a tick
  const DateValue march7 = DateSerial(2026, 3, 7);
  const double millisecond = 1.0 / 86'400'000;
  struct Step {
    DateValue now;
    std::vector<std::string> icon;  // the icon calls of the tick
  };
  const Step steps[] = {
      {march7 + TimeSerial(12, 0, 0), {"day 7"}},
      {march7 + TimeSerial(23, 59, 59) + 999 * millisecond, {}},
      {march7 + 1, {"day 8"}},  // midnight
      {march7 + 1 + 500 * millisecond, {}},
      {DateSerial(2026, 4, 30) + TimeSerial(9, 0, 0), {"day 30"}},  // the clock set forward
      {DateSerial(2026, 5, 30) + TimeSerial(9, 0, 0), {}},  // another month, the same numeral
      {march7 + TimeSerial(1, 0, 0), {"day 7"}},            // and back
  };
  for (const Step& step : steps) {
    ScopedNowOverride now(step.now);
    platform.calls.clear();
    form.timMirel_Timer();
    std::vector<std::string> icon;
    for (const std::string& call : platform.calls) {
      if (call.starts_with("day ")) {
        icon.push_back(call);
      }
    }
    EXPECT_EQ(icon, step.icon) << platform.caption;
  }
  platform.calls.clear();
  form.msgMirel_Message(kDpiChangedMessage, 0x00900090, 0, 0);
  EXPECT_THAT(platform.calls, ElementsAre("day 7"));
}

// Where the taskbar hides the caption, the first tick (not the load, which it must not hold up)
// says once how to show it; closed, the message is stored as seen and never comes again.
TEST(FrmMirelLabelTip, ShownAtTheFirstTickOnlyWhereTheTaskbarHidesTheCaption) {
  struct Case {
    WindowsGeneration windows;
    bool hidesLabels;
    const char* stored;   // LabelTip; nullptr: nothing stored
    const char* setting;  // the setting the message names; nullptr: no message
    const char* choice;
  };
  const Case cases[] = {
      {WindowsGeneration::k10, true, nullptr, "「タスクバー ボタンを結合する」", "「結合しない」"},
      {WindowsGeneration::k11, true, nullptr, "「タスクバー ボタンを結合しラベルを非表示にする」",
       "「しない」"},
      {WindowsGeneration::k11, true, "1", "「タスクバー ボタンを結合しラベルを非表示にする」",
       "「しない」"},
      {WindowsGeneration::k10, true, "0", nullptr, nullptr},  // closed at an earlier run
      {WindowsGeneration::k11, false, nullptr, nullptr, nullptr},
      {WindowsGeneration::kBefore10, true, nullptr, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    FakeClockPlatform platform;
    platform.windows = c.windows;
    platform.hidesLabels = c.hidesLabels;
    if (c.stored != nullptr) {
      platform.settings.SaveSetting("Mirel", "frmMirel", "LabelTip", c.stored);
    }
    frmMirel form = platform.MakeForm("hh");
    form.Form_Load();
    EXPECT_THAT(platform.calls, ElementsAre("menu", "timer on"));
    ScopedNowOverride now(DateSerial(2026, 3, 7) + TimeSerial(9, 0, 0));
    form.timMirel_Timer();
    form.timMirel_Timer();
    const std::vector<std::string> shown(platform.calls.begin() + 2, platform.calls.end());
    if (c.setting == nullptr) {
      EXPECT_THAT(shown, ElementsAre("caption 09", "day 7", "caption 09")) << c.stored;
      continue;
    }
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_THAT(shown[2], ::testing::StartsWith("tip "));
    EXPECT_THAT(shown[2], ::testing::HasSubstr(std::string(c.setting) + "を" + c.choice));
    EXPECT_EQ(platform.settings.GetSetting("Mirel", "frmMirel", "LabelTip", "<none>"),
              c.stored != nullptr ? c.stored : "<none>");
    form.LabelTip_Closed();
    EXPECT_EQ(platform.settings.GetSetting("Mirel", "frmMirel", "LabelTip"), "0");
  }
}

TEST(LabelTip, TheTaskbarHidesLabelsWhenItCombinesButtonsAlways) {
  EXPECT_TRUE(GlomLevelHidesLabels(std::nullopt));  // the default of Windows 10 and 11
  EXPECT_TRUE(GlomLevelHidesLabels(0));
  EXPECT_FALSE(GlomLevelHidesLabels(1));  // combined only when full
  EXPECT_FALSE(GlomLevelHidesLabels(2));
}

TEST(FrmMirelUnload, TimerStopsBeforeTheOtherWindowsAreUnloaded) {
  FakeClockPlatform platform;
  frmMirel form = platform.MakeForm();
  form.Form_Load();
  platform.calls.clear();
  form.Form_Unload();
  EXPECT_THAT(platform.calls, ElementsAre("timer off", "unload all"));
  EXPECT_FALSE(platform.timerEnabled);
}

}  // namespace
}  // namespace mirel
