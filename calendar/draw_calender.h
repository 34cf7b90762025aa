// The month grid: seven columns (Sunday first) under a band of weekday names, the day numbers
// coloured by weekday and holiday with the holiday names under them, a frame on the cell of day
// number CurDay, the year and month as caption and today's date at the bottom; in the colours of
// a palette (the design's: a blue band, Sundays and holidays red, Saturdays blue, a red frame).
// On request each day's 六曜 too, and today's 六曜 and old-calendar date after today's date.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "components/datetime/civil_date.h"
#include "components/kyureki/kyureki.h"
#include "components/surface/palette.h"
#include "components/surface/surface.h"

namespace mirel {

// What the grid shows. CurMonth may lie outside 1..12 and then carries into the year:
// {2000, 13} is January 2001, {2000, 0} December 1999.
struct CalenderMonth {
  std::int32_t CurYear = 0;
  std::int32_t CurMonth = 0;
  std::int32_t CurDay = 0;
};

// The month the grid shows for CurYear and CurMonth, folded into a year and a month 1..12 in wide
// arithmetic; the holidays are looked up in its year.
CivilMonth DisplayedMonth(std::int64_t year, std::int64_t month);

// Months the date functions can show: January 100 to December 9999.
bool IsShowableMonth(std::int64_t year, std::int64_t month);

// The holiday name for a "mm/dd" key, "" for none; must not throw.
using DayOffLookup = std::function<std::string(std::string_view key)>;
using CaptionSink = std::function<void(std::string_view caption)>;

// Redraws the whole month on the surface and sets the caption. A failure before the days are
// all drawn (a year the date functions cannot show) is thrown to the caller; after that, each
// step that fails (caption, 六曜, frame, bottom line) is skipped and the next one still runs.
// With `rokuyoFrom`, every day the old calendar covers (1873..2200) carries its 六曜 in small
// text at the top right of its cell and the bottom line reads 「今日: 2026/3/5 大安 旧1月17日」;
// the calendar's cache serves one redraw after another. Without it nothing of that is drawn.
void DrawCalender(Surface& pic, const CalenderMonth& month, const DayOffLookup& findDayOff,
                  const CaptionSink& setCaption, const Palette& palette = PaletteFor(Look::kLight),
                  KyurekiCalendar* rokuyoFrom = nullptr);

}  // namespace mirel
