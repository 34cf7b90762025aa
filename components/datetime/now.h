// The current local date and time, behind a seam that tests set.
#pragma once

#include <functional>

#include "components/datetime/date_value.h"

namespace mirel {

DateValue Now();   // current local date and time, to the millisecond or better
DateValue Date();  // current local date (whole days of Now)

// The platform's local clock, bypassing any override (now_posix.cpp / now_win.cpp).
DateValue SystemNow();

// Replaces the clock for the lifetime of the guard; restores the previous one on destruction.
class ScopedNowOverride {
 public:
  explicit ScopedNowOverride(std::function<DateValue()> now);
  explicit ScopedNowOverride(DateValue fixed);
  ~ScopedNowOverride();
  ScopedNowOverride(const ScopedNowOverride&) = delete;
  ScopedNowOverride& operator=(const ScopedNowOverride&) = delete;

 private:
  std::function<DateValue()> previous_;
};

}  // namespace mirel
