#include "calendar/day_off_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calendar/day_off_text.h"
#include "components/format/locale_data.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string Key(int month, int day) {
  char text[3][3];
  std::snprintf(text[0], sizeof text[0], "%02d", month);
  std::snprintf(text[1], sizeof text[1], "%02d", day);
  return std::string(text[0]) + CurrentLocale().dateSeparator + text[1];
}

// Japanese text in these tests is UTF-8; the byte-order mark says so to the reader.
std::string Utf8File(std::string_view text) {
  return "\xEF\xBB\xBF" + std::string(text);
}

DayOffList FromBytes(std::string_view bytes, bool complete = true) {
  DayOffList list;
  list.LoadBytes(bytes, complete);
  return list;
}

// A company's file as a code page 932 editor saves it: kanji, kana, full-width brackets and
// half-width katakana, the last of which alone ("ﾃｽ", C3 BD) would even be valid UTF-8.
const std::string kCompanyFileCp932 =
    "\x89\xEF\x8E\xD0\x82\xCC\x8Bx\x93\xFA (2026\x94N)\r\n"
    "4/1 = \x91n\x97\xA7\x8BL\x94O\x93\xFA\r\n"
    "8/13=\x89\xC4\x8BG\x8Bx\x8B\xC6\x81i\x82\xA8\x96~\x81j\r\n"
    "12/29 = \x94N\x96\x96\x94N\x8En\x8Bx\x89\xC9\r\n"
    "6/1=\xC3\xBD\r\n"
    "10/1 = \x93s\x96\xAF\x82\xCC\x93\xFA\x81"
    "E\xCE\xDE\xB0\xC5\xBD\x93\xFA\r\n";

struct LookupCase {
  const char* name;
  std::string file;
  int month;
  int day;
  std::string expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
  *os << c.name;
}

class Lookups : public testing::TestWithParam<LookupCase> {};

TEST_P(Lookups, FindTheFirstMatchingLine) {
  const LookupCase& c = GetParam();
  EXPECT_EQ(FromBytes(c.file).Find(Key(c.month, c.day)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Lookups,
    testing::Values(
        LookupCase{"LeadingZeros", Utf8File("01/01=元日\r\n"), 1, 1, "元日"},
        LookupCase{"NoLeadingZeros", Utf8File("1/1=元日\r\n"), 1, 1, "元日"},
        LookupCase{"YearIsDisregarded", Utf8File("1999/5/3=憲法記念日\r\n"), 5, 3, "憲法記念日"},
        LookupCase{"EraForm", Utf8File("平成12年5月4日=みどりの日"), 5, 4, "みどりの日"},
        LookupCase{"KanjiForm", Utf8File("5月5日 = こどもの日"), 5, 5, "こどもの日"},
        LookupCase{"EarlierLineWins", "5/3=A\r\n05/03=B\r\n", 5, 3, "A"},
        LookupCase{"EmptyNameStillWins", "5/3=\r\n5/3=B\r\n", 5, 3, ""},
        LookupCase{"UnparsableLinesAreSkippedInSearch", "x=A\r\n=B\r\n5/3=C\r\n", 5, 3, "C"},
        LookupCase{"SecondEqualsStaysInName", "5/3 = a=b = c ", 5, 3, "a=b = c"},
        LookupCase{"IdeographicSpacesTrimmed", Utf8File("　5/3　=　A　"), 5, 3, "A"},
        LookupCase{"ShiftJisIdeographicSpaces",
                   "\x81\x40"
                   "5/3\x81\x40=\x81\x40"
                   "A\x81\x40",
                   5, 3, "A"},
        LookupCase{"LeapDayWithoutYear", Utf8File("2/29=閏日\r\n"), 2, 29, "閏日"},
        LookupCase{"LeapDayWithLeapYear", Utf8File("2000/2/29=閏日"), 2, 29, "閏日"},
        LookupCase{"ImpossibleDayMatchesNothing", "2/30=x\r\n2001/2/29=y", 2, 28, ""},
        LookupCase{"LastLineWithoutEnding", "1/1=A\r\n1/2=B", 1, 2, "B"},
        LookupCase{"LoneLineFeeds", "1/1=A\n1/2=B\n1/3=C\n", 1, 3, "C"},
        LookupCase{"CarriageReturnsOnly", "1/1=A\r1/2=B\r", 1, 2, "B"},
        LookupCase{"MixedEndings", "1/1=A\r\n1/2=B\n1/3=C\r1/4=D", 1, 4, "D"},
        LookupCase{"EmptyLineBetween", "1/1=A\r\n\r\n\n\r1/2=B", 1, 2, "B"},
        LookupCase{"NulByteInsideALine", "1/1=A\0B\r\n1/2=C"s, 1, 2, "C"},
        LookupCase{"InvalidUtf8AfterByteOrderMark", Utf8File("1/1=\xFF元"), 1, 1, "\xEF\xBF\xBD元"},
        LookupCase{"ShiftJisEraForm",
                   "\x95\xBD\x90\xAC"
                   "12\x94\x4E"
                   "5\x8C\x8E"
                   "4\x93\xFA"
                   "=x",
                   5, 4, "x"},
        LookupCase{"ShiftJisName", "1/1=\x8C\xB3\x93\xFA", 1, 1, "元日"},
        LookupCase{"Utf8WithoutMark", "メモ\r\n1/1 = 元日\r\n", 1, 1, "元日"},
        LookupCase{"Utf8WithoutMarkHalfWidthKana", "6/1=ﾃｽﾄ", 6, 1, "ﾃｽﾄ"},
        LookupCase{"OneInvalidByteMakesTheFileCodePage", "1/2=元日\r\n1/1=\x8C\xB3", 1, 1, "元"},
        LookupCase{"CodePageKanji", kCompanyFileCp932, 4, 1, "創立記念日"},
        LookupCase{"CodePageFullWidthBrackets", kCompanyFileCp932, 8, 13, "夏季休業（お盆）"},
        LookupCase{"CodePageHalfWidthKana", kCompanyFileCp932, 6, 1, "ﾃｽ"},
        LookupCase{"CodePageMixedKana", kCompanyFileCp932, 10, 1, "都民の日・ﾎﾞｰﾅｽ日"},
        LookupCase{"InvalidShiftJisByteBecomesReplacement", "1/1=\x85\x40\x8C\xB3", 1, 1,
                   "\xEF\xBF\xBD@元"}));

TEST(DayOffList, StatesFollowWhatWasFound) {
  DayOffList list;
  EXPECT_FALSE(list.IsDimensioned());
  EXPECT_EQ(list.Find(Key(1, 1)), "");

  for (const char* file : {"", "only a note\r\n\r\n"}) {
    list.LoadBytes(file);
    ASSERT_TRUE(list.IsDimensioned());
    EXPECT_EQ(list.Entries().size(), 1u);
  }
  EXPECT_EQ(list.Entries()[0].DateText, "");
  EXPECT_EQ(list.Entries()[0].HolidayName, "");

  list.LoadBytes(Utf8File(" 1/1 = 元日 \r\n=\r\nnote\r\n1/2="));
  ASSERT_EQ(list.Entries().size(), 3u);
  EXPECT_EQ(list.Entries()[0].DateText, "1/1");
  EXPECT_EQ(list.Entries()[0].HolidayName, "元日");
  EXPECT_EQ(list.Entries()[1].DateText, "");
  EXPECT_EQ(list.Entries()[2].HolidayName, "");
}

TEST(DayOffList, ReadErrorKeepsTheCompleteLinesBeforeIt) {
  const DayOffList list = FromBytes("1/1=A\r\n1/2=B\r\n1/3=C", /*complete=*/false);
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Find(Key(1, 2)), "B");
  EXPECT_EQ(list.Find(Key(1, 3)), "");

  // A UTF-8 file without a mark, cut inside a character, is still read as UTF-8.
  const std::string utf8 = "1/1=元日\r\n1/2=元";
  EXPECT_EQ(FromBytes(utf8.substr(0, utf8.size() - 1), false).Find(Key(1, 1)), "元日");
}

struct NamesCase {
  const char* name;
  std::string file;  // none: the file was never found
  bool national;
  int year, month, day;
  std::string expected;
};

void PrintTo(const NamesCase& c, std::ostream* os) {
  *os << c.name;
}

class Names : public testing::TestWithParam<NamesCase> {};

// The file has the last word: its first entry for a month and day wins, an empty name hides the
// day; a national holiday fills only the days the file says nothing of.
TEST_P(Names, FileFirstThenNationalHolidays) {
  const NamesCase& c = GetParam();
  DayOffList list;
  if (!c.file.empty()) {
    list.LoadBytes(c.file);
  }
  EXPECT_EQ(HolidayNames(list, c.national, c.year).Find(c.month, c.day), c.expected);
  EXPECT_EQ(HolidayNames(list, c.national, c.year).Find(Key(c.month, c.day)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Priority, Names,
    testing::Values(NamesCase{"NoFileOn", "", true, 2026, 3, 20, "春分の日"},
                    NamesCase{"NoFileOff", "", false, 2026, 3, 20, ""},
                    NamesCase{"FileNameReplaces", "3/20=創立記念日", true, 2026, 3, 20,
                              "創立記念日"},
                    NamesCase{"EmptyNameHides", "メモ\r\n7/20=\r\n7/20=海", true, 2026, 7, 20, ""},
                    NamesCase{"HiddenDateOnlyThatDay", "7/20=", true, 2027, 7, 19, "海の日"},
                    NamesCase{"SubstituteHidden", "5/6=", true, 2026, 5, 6, ""},
                    NamesCase{"FileYearDisregarded", "2025/9/22=x", true, 2026, 9, 22, "x"},
                    NamesCase{"OtherEntriesLeaveIt", "1/1=正月", true, 2023, 1, 2, "振替休日"},
                    NamesCase{"NoteOnlyFile", "メモ", true, 2026, 9, 22, "国民の休日"},
                    NamesCase{"FileOnlyWhenOff", "5/6=x", false, 2026, 5, 6, "x"}));

TEST(HolidaysOfYear, ListsTheNamedDaysInDateOrder) {
  DayOffList none;
  std::vector<std::string> lines;
  for (const ListedHoliday& h : HolidaysOfYear(none, true, 2026)) {
    lines.push_back(std::to_string(h.month) + "/" + std::to_string(h.day) + " " + h.name);
  }
  // The holidays of 2026 as the Cabinet Office lists them.
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "1/1 元日", "1/12 成人の日", "2/11 建国記念の日", "2/23 天皇誕生日",
                       "3/20 春分の日", "4/29 昭和の日", "5/3 憲法記念日", "5/4 みどりの日",
                       "5/5 こどもの日", "5/6 振替休日", "7/20 海の日", "8/11 山の日",
                       "9/21 敬老の日", "9/22 国民の休日", "9/23 秋分の日", "10/12 スポーツの日",
                       "11/3 文化の日", "11/23 勤労感謝の日"}));

  // Hidden days are not listed; the file's own days join in order; a leap day only in leap years.
  const DayOffList file = FromBytes("12/29 = 年末休暇\r\n3/20 =\r\n2/29 = 閏日\r\n1/1 = 正月");
  std::vector<std::string> names;
  for (const ListedHoliday& h : HolidaysOfYear(file, true, 2026)) {
    names.push_back(h.name);
  }
  EXPECT_EQ(names.size(), 18u);
  EXPECT_EQ(names.front(), "正月");
  EXPECT_EQ(names.back(), "年末休暇");
  EXPECT_EQ(std::count(names.begin(), names.end(), "春分の日"), 0);
  EXPECT_EQ(HolidaysOfYear(file, false, 2026).size(), 2u);
  EXPECT_EQ(HolidaysOfYear(file, false, 2028).size(), 3u);
}

TEST(DayOffList, KeysAreTwoDigitsAroundTheGivenSeparator) {
  const DayOffList list = FromBytes("1/1=A");
  EXPECT_EQ(list.Find("01.01", "."), "A");
  EXPECT_EQ(list.Find("1/1", "/"), "");
  EXPECT_EQ(list.Find("01-01", "/"), "");
}

TEST(DayOffList, LargeInputsLoseNothingBeforeThem) {
  std::string longLine(1 << 20, 'x');
  longLine += "=long";
  std::string file = "1/1=A\r\n" + longLine + "\r\n1/2=B";
  DayOffList list = FromBytes(file);
  EXPECT_EQ(list.Entries().size(), 3u);
  EXPECT_EQ(list.Find(Key(1, 2)), "B");

  std::string many;
  for (int i = 0; i < 100000; ++i) {
    many += std::to_string(i % 12 + 1) + "/" + std::to_string(i % 28 + 1) + "=n" +
            std::to_string(i) + "\n";
  }
  list.LoadBytes(many);
  EXPECT_EQ(list.Entries().size(), 100000u);
  EXPECT_EQ(list.Find(Key(12, 28)), "n83");
}

class DayOffFiles : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("mirel_day_off_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  void Write(const std::string& bytes) {
    std::ofstream(DayOffPath(folder_), std::ios::binary) << bytes;
  }

  fs::path folder_;
};

TEST_F(DayOffFiles, PathJoinsOneSeparator) {
  EXPECT_EQ(DayOffPath("/opt/mirel"), "/opt/mirel/DayOff.dat");
  EXPECT_EQ(DayOffPath("/"), "/DayOff.dat");
}

TEST_F(DayOffFiles, EachLoadReplacesTheListAMissingFileKeepsIt) {
  DayOffList list;
  list.Load(DayOffPath(folder_));
  EXPECT_FALSE(list.IsDimensioned());

  Write("1/1=A\r\n1/2=B");
  list.Load(DayOffPath(folder_));
  Write("1/2=C");
  list.Load(DayOffPath(folder_));
  EXPECT_EQ(list.Find(Key(1, 1)), "");
  EXPECT_EQ(list.Find(Key(1, 2)), "C");

  fs::remove(DayOffPath(folder_));
  list.Load(DayOffPath(folder_));
  EXPECT_EQ(list.Find(Key(1, 2)), "C");

  fs::create_directory(DayOffPath(folder_));  // a directory is no file either
  list.Load(DayOffPath(folder_));
  EXPECT_EQ(list.Find(Key(1, 2)), "C");
}

TEST(DayOffSample, ShippedFileHoldsTheFixedHolidays) {
  DayOffList list;
  list.Load(fs::path(MIREL_SOURCE_DIR) / "resources" / "DayOff.dat");
  ASSERT_EQ(list.Entries().size(), 10u);
  EXPECT_EQ(list.Find(Key(1, 1)), "元日");
  EXPECT_EQ(list.Find(Key(5, 3)), "憲法記念日");
  EXPECT_EQ(list.Find(Key(11, 23)), "勤労感謝の日");
  EXPECT_EQ(list.Find(Key(1, 12)), "");  // a note, not an entry
}

TEST(DayOffFileErrors, ReadErrorAtTheStartThrowsNothing) {
  // A plain file that opens but fails on the first read (EIO).
  const fs::path failing = "/proc/self/mem";
  if (!IsPlainFile(failing)) {
    GTEST_SKIP() << "no file here fails that way";
  }
  DayOffList list;
  EXPECT_NO_THROW(list.Load(failing));
  ASSERT_TRUE(list.IsDimensioned());
  EXPECT_EQ(list.Entries().size(), 1u);
}

}  // namespace
}  // namespace mirel
