#include "calendar/day_off_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

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
