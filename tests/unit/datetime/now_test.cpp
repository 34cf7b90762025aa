#include "components/datetime/now.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace mirel {
namespace {

TEST(NowTest, OverrideIsScopedAndNests) {
  const DateValue before = Now();
  {
    ScopedNowOverride outer(36527.75);
    EXPECT_EQ(Now(), 36527.75);
    EXPECT_EQ(Date(), 36527.0);
    {
      int calls = 0;
      ScopedNowOverride inner([&calls] { return 100.0 + ++calls; });
      EXPECT_EQ(Now(), 101.0);
      EXPECT_EQ(Now(), 102.0);
    }
    EXPECT_EQ(Now(), 36527.75);
  }
  EXPECT_GE(Now(), before);
}

TEST(NowTest, SystemClockAgreesWithLocalTimeAndHasSubSecondPrecision) {
  const auto localNow = [] {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
  };
  // The local calendar read on both sides of the reading; read again in the rare case that a
  // month began in between, so the test holds at the turn of a month too.
  std::tm local{};
  DateValue now = 0;
  for (bool sameMonth = false; !sameMonth;) {
    local = localNow();
    now = SystemNow();
    const std::tm after = localNow();
    sameMonth = after.tm_year == local.tm_year && after.tm_mon == local.tm_mon;
  }
  EXPECT_EQ(Year(now), local.tm_year + 1900);
  EXPECT_EQ(Month(now), local.tm_mon + 1);
  // Sub-second: two readings a few milliseconds apart differ by less than a second but differ.
  DateValue later = SystemNow();
  while (later == now) {
    later = SystemNow();
  }
  EXPECT_LT((later - now) * 86400.0, 1.0);
}

}  // namespace
}  // namespace mirel
