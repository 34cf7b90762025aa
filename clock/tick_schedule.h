// When the clock's next refresh is due. The caption is refreshed twice a second; the ticks are
// put just after the wall clock's half-seconds so that a caption with seconds turns over within a
// few milliseconds of the second itself (a free-running 500 ms timer would show it up to half a
// second late, and drift).
// Example: at 12:00:00.120 the next tick is due in 380 + kTickLagMs milliseconds.
#pragma once

#include <cstdint>

namespace mirel {

inline constexpr std::uint32_t kTickIntervalMs = 500;
// Aim a little after the boundary: a timer that fires early would read the old second.
inline constexpr std::uint32_t kTickLagMs = 5;

// Milliseconds from `wallClockMs` (wall-clock time in milliseconds from any whole-second origin;
// only its position within the half-second matters) to the next tick, which is kTickLagMs after
// a half-second boundary: 1 .. 500.
std::uint32_t DelayToNextTick(std::int64_t wallClockMs);

}  // namespace mirel
