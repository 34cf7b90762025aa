// 六曜, the six-day cycle printed on Japanese calendars, read from the old-calendar date: the
// first day of month 1 and of month 7 is 先勝, of months 2 and 8 友引, and so on; within a
// month the six names follow in turn. A leap month counts as the month whose number it repeats.
#pragma once

#include <cstdint>
#include <string_view>

#include "components/kyureki/kyureki.h"

namespace mirel {

// In the order (month + day) mod 6 gives: 0 is 大安, 1 赤口, 2 先勝, 3 友引, 4 先負, 5 仏滅.
enum class Rokuyo : std::uint8_t { kTaian, kShakko, kSensho, kTomobiki, kSenbu, kButsumetsu };

// Example: RokuyoOf({1, 1, false}) is Rokuyo::kSensho.
Rokuyo RokuyoOf(KyurekiDate date);

// The name as calendars print it: RokuyoName(Rokuyo::kTaian) is "大安".
std::string_view RokuyoName(Rokuyo rokuyo);

}  // namespace mirel
