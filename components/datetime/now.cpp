#include "components/datetime/now.h"

#include <cmath>
#include <utility>

namespace mirel {
namespace {

// The UI runs on one thread; the override is process-wide so that a test can set it for code
// that reads the time deep inside a window class.
std::function<DateValue()>& NowOverride() {
  static std::function<DateValue()> override;
  return override;
}

}  // namespace

DateValue Now() {
  const auto& override = NowOverride();
  return override ? override() : SystemNow();
}

DateValue Date() {
  return std::trunc(Now());
}

ScopedNowOverride::ScopedNowOverride(std::function<DateValue()> now)
    : previous_(std::exchange(NowOverride(), std::move(now))) {}

ScopedNowOverride::ScopedNowOverride(DateValue fixed)
    : ScopedNowOverride(std::function<DateValue()>([fixed] { return fixed; })) {}

ScopedNowOverride::~ScopedNowOverride() {
  NowOverride() = std::move(previous_);
}

}  // namespace mirel
