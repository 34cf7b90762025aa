// The settings the look is chosen from (look.h), read from the system afresh at each call: the
// user can switch dark mode or high contrast at any time, and the message that says so can come
// before the new value is stored, so nothing is kept between calls.
#pragma once

#include "components/look/look.h"

namespace mirel {

LookSettings ReadLookSettings() noexcept;

}  // namespace mirel
