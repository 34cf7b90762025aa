#include "clock/sys_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock/frm_mirel.h"
#include "clock/pattern_preview.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/utf8.h"
#include "tests/unit/clock/fake_clock_platform.h"

namespace mirel {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

const std::string kPromptCall = "input 表示設定 表示フォーマットを入力して下さい(Format関数準拠)";

TEST(SysMenuInstall, DuringLoadAndNotForASecondCopy) {
  FakeClockPlatform platform;
  frmMirel form = platform.MakeForm();
  form.Form_Load();
  EXPECT_THAT(platform.calls, ElementsAre("menu", "timer on"));

  FakeClockPlatform second;
  frmMirel copy = second.MakeForm({}, /*prevInstance=*/true);
  copy.Form_Load();
  EXPECT_THAT(second.calls, ElementsAre("unload"));
}

TEST(SysMenuDispatch, EachCommandDoesItsOwnWorkAndOtherMessagesNothing) {
  struct Case {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {274, 100, {kPromptCall}},
      {274, 101, {"calender"}},
      // (15360 - 1725) \ 2 and (11520 - 1185) \ 2, measured on the restored window.
      {274, 102, {"restore", "move 6817 5167", "version"}},
      {274, 99, {}},
      {274, 103, {}},
      {274, 0xF120, {}},  // SC_RESTORE by the user: the system's business
      {274, 0xF060, {}},  // SC_CLOSE goes on to default processing
      {273, 100, {}},     // a WM_COMMAND with the same number is no menu choice
      {0x0113, 101, {}},  // WM_TIMER
  };
  for (const Case& c : cases) {
    FakeClockPlatform platform;
    frmMirel form = platform.MakeForm();
    form.DisplayFormat = "hh:nn";
    form.msgMirel_Message(c.message, c.wParam, 0, 0);
    EXPECT_EQ(platform.calls, c.expected) << c.message << " " << c.wParam;
    EXPECT_EQ(form.DisplayFormat, "hh:nn");
    EXPECT_EQ(platform.settings.GetSetting("Mirel", "frmMirel", "Format", "<none>"), "<none>");
  }
}

// The box's preview line shows what the clock shows until something is typed, then the typed
// pattern, both at the second that has begun.
TEST(SysMenuDisplaySettings, TypedTextIsStoredAndShownEmptyChangesNothing) {
  struct Case {
    std::string typed;
    std::string expectedFormat;
    std::string expectedStored;
    std::string expectedPreview;  // once `typed` is in the field
  };
  const Case cases[] = {
      // Cancel and an empty OK both give empty text.
      {"", "hh:nn", "old", "表示例: 16:10"},
      {"yyyy/mm/dd", "yyyy/mm/dd", "yyyy/mm/dd", "表示例: 2026/12/07"},
      {"   ", "   ", "   ", "表示例:    "},  // blanks are a pattern: the caption shows them
      {" \"時刻\" hh:nn ", " \"時刻\" hh:nn ", " \"時刻\" hh:nn ", "表示例:  時刻 16:10 "},
      {"ggge年m月d日(aaa) hh:nn:ss", "ggge年m月d日(aaa) hh:nn:ss", "ggge年m月d日(aaa) hh:nn:ss",
       "表示例: 令和8年12月7日(月) 16:10:33"},
  };
  ScopedNowOverride now(DateSerial(2026, 12, 7) + TimeSerial(16, 10, 33) + 0.9 / 86400);
  for (const Case& c : cases) {
    FakeClockPlatform platform;
    platform.settings.SaveSetting("Mirel", "frmMirel", "Format", "old");
    platform.typed = c.typed;
    frmMirel form = platform.MakeForm();
    form.DisplayFormat = "hh:nn";
    form.msgMirel_Message(274, 100, 0, 0);
    EXPECT_THAT(platform.calls, ElementsAre(kPromptCall)) << c.typed;
    EXPECT_EQ(platform.previewEmpty, "表示例: 16:10");
    EXPECT_EQ(platform.previewTyped, c.expectedPreview);
    EXPECT_EQ(form.DisplayFormat, c.expectedFormat);
    EXPECT_EQ(platform.settings.GetSetting("Mirel", "frmMirel", "Format"), c.expectedStored);
  }
}

// A pattern of any length gives a line of at most kPreviewLimit characters, cut between whole
// characters, and the box asks again with the same text at every second.
TEST(PatternPreview, LongPatternsGiveALineCutBetweenCharacters) {
  ScopedNowOverride now(DateSerial(2026, 12, 7) + TimeSerial(16, 10, 33));
  struct Case {
    std::string typed;
    std::string lineStart;
  };
  const Case cases[] = {
      {std::string(1 << 20, 'y'), "表示例: 20262026"},   // a megabyte of year tokens
      {std::string(1000, '\\') + "年", "表示例: \\\\"},  // escaped backslashes
      {std::string(3000, 'a'), "表示例: 月曜日月曜日"},  // weekday names of three-byte characters
  };
  for (const Case& c : cases) {
    PatternPreview preview("hh");
    const std::string line = preview.Text(c.typed);
    EXPECT_EQ(preview.Text(c.typed), line);
    EXPECT_THAT(line, StartsWith(c.lineStart));
    const std::string shown = line.substr(std::string_view(kPreviewLead).size());
    std::size_t characters = 0;
    for (std::size_t at = 0; at < shown.size(); ++characters) {
      const Utf8Character character = Utf8CharacterAt(shown, at);
      EXPECT_TRUE(character.valid) << c.lineStart << " at " << at;
      at += character.length;
    }
    EXPECT_EQ(characters, kPreviewLimit) << c.lineStart;
  }
}

// A store that cannot be written, as a registry key without write access.
struct ReadOnlyStore : MemorySettingsStore {
  void SaveSetting(std::string_view, std::string_view, std::string_view,
                   std::string_view) override {
    throw RunTimeError(ErrorNumber::kPermissionDenied, "アクセスが拒否されました。");
  }
};

TEST(SysMenuDisplaySettings, AFailedSaveIsToldAndThePatternStillUsed) {
  FakeClockPlatform platform;
  platform.typed = "hh:nn:ss";
  ReadOnlyStore store;
  frmMirel form = platform.MakeForm(store);
  form.msgMirel_Message(274, 100, 0, 0);
  ASSERT_EQ(platform.calls.size(), 2u);
  EXPECT_THAT(platform.calls[1], StartsWith(std::string("warning ") + kSaveFailedMessage));
  EXPECT_THAT(platform.calls[1], ::testing::HasSubstr("アクセスが拒否されました。"));
  EXPECT_EQ(form.DisplayFormat, "hh:nn:ss");
}

TEST(CentredOffset, DifferenceRoundedHalfToEvenThenHalvedTowardZero) {
  struct Case {
    double outer;
    double inner;
    std::int32_t expected;
  };
  const Case cases[] = {
      {15360, 1725, 6817},            // odd difference: the half twip is dropped
      {100.5, 0, 50},                 // 100.5 rounds to 100
      {101.5, 0, 51},                 // 101.5 rounds to 102
      {2.5, 0, 1},                    // 2
      {1000, 2001, -500},             // a window wider than the screen: toward zero, not -501
      {0, 3.5, -2},                   // -3.5 rounds to -4
      {2147483647.0, 0, 1073741823},  // the ends of the 32-bit range still work
      {0, 2147483648.0, -1073741824},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredOffset(c.outer, c.inner), c.expected) << c.outer << " - " << c.inner;
  }
}

TEST(CentredOffset, OutOfRangeOrNotFiniteIsOverflow) {
  const double inf = std::numeric_limits<double>::infinity();
  const double cases[][2] = {
      {2147483648.0, 0}, {0, 2147483649.0}, {inf, 0}, {0, inf}, {std::nan(""), 0}, {1e300, -1e300},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(CentredOffset(c[0], c[1]), OverflowError) << c[0] << " - " << c[1];
  }
}

}  // namespace
}  // namespace mirel
