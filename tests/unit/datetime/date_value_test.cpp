#include "components/datetime/date_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "components/datetime/civil_date.h"
#include "components/errors.h"

namespace mirel {
namespace {

struct PartsCase {
  DateValue value;
  int year, month, day, hour, minute, second, weekday;
};

TEST(DateValueTest, PartsOfValues) {
  const PartsCase cases[] = {
      {0.0, 1899, 12, 30, 0, 0, 0, 7},
      {1.0, 1899, 12, 31, 0, 0, 0, 1},
      {36527.5, 2000, 1, 2, 12, 0, 0, 1},
      {-1.25, 1899, 12, 29, 6, 0, 0, 6},  // fraction is a positive time on its own day
      {-0.5, 1899, 12, 30, 12, 0, 0, 7},
      {36526.0 + 0.999999, 2000, 1, 2, 0, 0, 0, 1},  // 23:59:59.9 rounds into the next day
      {36526.0 + 1.4 / 86400, 2000, 1, 1, 0, 0, 1, 7},
      {36526.0 + 1.6 / 86400, 2000, 1, 1, 0, 0, 2, 7},
      {-657434.0, 100, 1, 1, 0, 0, 0, 6},
      {2958465.0 + 86399.0 / 86400, 9999, 12, 31, 23, 59, 59, 6},
      {43585.0, 2019, 4, 30, 0, 0, 0, 3},
      {51544.0 + 0.75, 2041, 2, 12, 18, 0, 0, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Year(c.value), c.year);
    EXPECT_EQ(Month(c.value), c.month);
    EXPECT_EQ(Day(c.value), c.day);
    EXPECT_EQ(Hour(c.value), c.hour);
    EXPECT_EQ(Minute(c.value), c.minute);
    EXPECT_EQ(Second(c.value), c.second);
    EXPECT_EQ(Weekday(c.value, FirstDayOfWeek::kSunday), c.weekday);
  }
}

TEST(DateValueTest, ValuesOutsideTheCalendarRangeAreRejected) {
  for (double bad : {-657435.0, 2958466.0, 1e300, -1e300, std::nan(""),
                     std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(Year(bad), InvalidArgumentError);
  }
  EXPECT_THROW(Day(2958465.0 + 0.999999999), InvalidArgumentError);  // rounds to year 10000
}

struct SerialCase {
  std::int64_t year, month, day;
  int expectYear, expectMonth, expectDay;
};

TEST(DateSerialTest, MonthAndDayCarryBothWays) {
  const SerialCase cases[] = {
      {2000, 13, 1, 2001, 1, 1},    {2001, 0, 1, 2000, 12, 1},     {2000, 1, 0, 1999, 12, 31},
      {2000, 3, 0, 2000, 2, 29},    {1900, 3, 0, 1900, 2, 28},     {2000, -11, 1, 1999, 1, 1},
      {2000, -12, 1, 1998, 12, 1},  {2000, 25, 1, 2002, 1, 1},     {2000, 1, 366, 2000, 12, 31},
      {2000, 1, -364, 1999, 1, 1},  {1999, 1, 32767, 2088, 9, 16}, {100, 1, 1, 100, 1, 1},
      {9999, 12, 31, 9999, 12, 31}, {10000, 1, 0, 9999, 12, 31},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "/" << c.month << "/" << c.day);
    const DateValue value = DateSerial(c.year, c.month, c.day);
    EXPECT_EQ(Year(value), c.expectYear);
    EXPECT_EQ(Month(value), c.expectMonth);
    EXPECT_EQ(Day(value), c.expectDay);
    if (c.day == 1) {  // the month carries alone, as the month grid folds it
      const CivilMonth folded = FoldMonth(c.year, c.month);
      EXPECT_EQ(folded.year, c.expectYear);
      EXPECT_EQ(folded.month, c.expectMonth);
    }
  }
  EXPECT_EQ(DateSerial(1899, 12, 30), 0.0);
  EXPECT_EQ(DateSerial(2000, 1, 2), 36527.0);
}

TEST(DateSerialTest, NextFirstMinusFirstIsTheMonthLength) {
  const int lengths2000[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(DateSerial(2000, m + 1, 1) - DateSerial(2000, m, 1), lengths2000[m - 1]) << m;
  }
  EXPECT_EQ(DateSerial(1900, 3, 1) - DateSerial(1900, 2, 1), 28);
  // The month-length helper agrees on every month of the range.
  for (int year = 100; year <= 9999; ++year) {
    for (int month = 1; month <= 12 && !(year == 9999 && month == 12); ++month) {
      if (DaysInMonth(year, month) != DateSerial(year, month + 1, 1) - DateSerial(year, month, 1)) {
        FAIL() << year << "/" << month;
      }
    }
  }
}

TEST(DateSerialTest, RangeAndSixteenBitHandOver) {
  EXPECT_THROW(DateSerial(99, 12, 31), InvalidArgumentError);
  EXPECT_THROW(DateSerial(10000, 1, 1), InvalidArgumentError);
  EXPECT_THROW(DateSerial(100, 1, 0), InvalidArgumentError);
  EXPECT_THROW(DateSerial(9999, 13, 1), InvalidArgumentError);
  EXPECT_THROW(DateSerial(-32768, 1, 1), InvalidArgumentError);
  EXPECT_THROW(DateSerial(32767, 32767, 32767), InvalidArgumentError);
  EXPECT_THROW(DateSerial(32768, 1, 1), OverflowError);
  EXPECT_THROW(DateSerial(2000, 32768, 1), OverflowError);
  EXPECT_THROW(DateSerial(2000, 1, -32769), OverflowError);
  EXPECT_NO_THROW(DateSerial(2000, 1, -32768));
  EXPECT_EQ(ToInteger16(-32768), -32768);
  EXPECT_THROW(ToInteger16(40000), OverflowError);
}

TEST(DateValueTest, WholeSecondOfCutsTheFraction) {
  const double second = 1.0 / 86400;
  const std::pair<DateValue, DateValue> cases[] = {
      {36527.5 + 0.6 * second, 36527.5},  // would round to 12:00:01
      {36527.5 + 59.999 * second, 36527.5 + 59 * second},
      {36527.0 + 3 * second, 36527.0 + 3 * second},  // an exact second keeps its second
      {-1.25 - 0.6 * second, -1.25},                 // before day 0 the time still runs forward
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(Second(WholeSecondOf(value)), Second(expected)) << value;
    EXPECT_NEAR(WholeSecondOf(value), expected, 1e-9) << value;
  }
}

TEST(TimeSerialTest, FractionsAndCombination) {
  EXPECT_DOUBLE_EQ(TimeSerial(12, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(TimeSerial(0, 90, 0), TimeSerial(1, 30, 0));
  EXPECT_DOUBLE_EQ(CombineDateAndTime(-1, 0.25), -1.25);
  EXPECT_DOUBLE_EQ(CombineDateAndTime(2, 0.25), 2.25);
  const DateValue before = CombineDateAndTime(DateSerial(1899, 12, 1), TimeSerial(6, 30, 0));
  EXPECT_EQ(Day(before), 1);
  EXPECT_EQ(Hour(before), 6);
  EXPECT_EQ(Minute(before), 30);
}

}  // namespace
}  // namespace mirel
