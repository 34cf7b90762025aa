#include "clock/tick_schedule.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(DelayToNextTick, LandsJustAfterTheNextHalfSecond) {
  struct Case {
    std::int64_t now;
    std::uint32_t delay;
  };
  const Case cases[] = {
      {1000, kTickLagMs},        // on the boundary: this half-second's tick
      {1000 + kTickLagMs, 500},  // on time: the next one
      {1120, 380 + kTickLagMs},     {1499, 1 + kTickLagMs},
      {1500 + kTickLagMs - 1, 1},   {-120, 120 + kTickLagMs},  // before the origin
      {86'399'999, 1 + kTickLagMs},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DelayToNextTick(c.now), c.delay) << c.now;
    // Wherever it lands, the next tick is after a boundary by the lag.
    EXPECT_EQ(((c.now + c.delay) % 500 + 500) % 500, kTickLagMs) << c.now;
  }
}

}  // namespace
}  // namespace mirel
