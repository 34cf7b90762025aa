#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "components/format/format.h"
#include "components/format/locale_data.h"

namespace mirel {
namespace {

// Puts the built-in locale back whatever the test did.
struct BuiltInLocaleAfterwards {
  ~BuiltInLocaleAfterwards() { SetCurrentLocale(BuiltInJapaneseLocale()); }
};

TEST(CurrentLocale, CompiledPatternsFollowAChangeOfLocale) {
  const BuiltInLocaleAfterwards restore;
  // Compiled before the change, as the clock compiles its display format once.
  const FormatPattern general("");
  const FormatPattern forms("ddddd|dddddd|ttttt|c|yyyy/mm/dd");
  const DateValue value = DateSerial(2000, 1, 2) + TimeSerial(15, 4, 5);
  EXPECT_EQ(general.Apply(value), "2000/01/02 15:04:05");
  EXPECT_EQ(forms.Apply(value), "2000/01/02|2000年1月2日|15:04:05|2000/01/02 15:04:05|2000/01/02");

  struct Case {
    const char* shortDate;
    const char* longDate;
    const char* time;
    bool japaneseCalendar;
    const char* general;
    const char* forms;
  };
  const Case cases[] = {
      {"d.M.yyyy", "d MMMM yyyy", "tt h:mm", false, "2.1.2000 午後 3:04",
       "2.1.2000|2 1月 2000|午後 3:04|2.1.2000 午後 3:04|2000-01-02"},
      {"gg y/M/d", "ggyy'年'", "HH.mm.ss", true, "平成 12/1/2 15.04.05",
       "平成 12/1/2|平成12年|15.04.05|平成 12/1/2 15.04.05|2000-01-02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shortDate);
    LocaleData locale = BuiltInJapaneseLocale();
    locale.shortDatePicture = c.shortDate;
    locale.longDatePicture = c.longDate;
    locale.timePicture = c.time;
    locale.japaneseCalendar = c.japaneseCalendar;
    locale.dateSeparator = "-";
    SetCurrentLocale(std::move(locale));
    EXPECT_EQ(general.Apply(value), c.general);
    EXPECT_EQ(forms.Apply(value), c.forms);
    EXPECT_EQ(Format(value, ""), c.general);
  }
  SetCurrentLocale(BuiltInJapaneseLocale());
  EXPECT_EQ(general.Apply(value), "2000/01/02 15:04:05");
}

}  // namespace
}  // namespace mirel
