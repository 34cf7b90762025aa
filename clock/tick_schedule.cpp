#include "clock/tick_schedule.h"

namespace mirel {

std::uint32_t DelayToNextTick(std::int64_t wallClockMs) {
  const std::int64_t interval = kTickIntervalMs;
  // Position past the last half-second, 0..499, also for times before the epoch.
  const std::int64_t intoInterval = ((wallClockMs % interval) + interval) % interval;
  if (intoInterval < static_cast<std::int64_t>(kTickLagMs)) {
    return static_cast<std::uint32_t>(kTickLagMs - intoInterval);
  }
  return static_cast<std::uint32_t>(interval - intoInterval + kTickLagMs);
}

}  // namespace mirel
