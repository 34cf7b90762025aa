#include "clock/frm_mirel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "tests/unit/clock/fake_clock_platform.h"

namespace mirel {
namespace {

using ::testing::ElementsAre;

TEST(FrmMirelLoad, SecondCopyUnloadsAtOnceAndTouchesNothingElse) {
  FakeClockPlatform platform;
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
