#include "calendar/draw_calender.h"

#include <cmath>
#include <optional>
#include <string>

#include "calendar/skip_on_error.h"
#include "components/datetime/civil_date.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/format.h"
#include "components/kyureki/rokuyo.h"

namespace mirel {

namespace {

constexpr std::int64_t kFirstMonthIndex = 100 * 12;       // January 100
constexpr std::int64_t kLastMonthIndex = 9999 * 12 + 11;  // December 9999

// A double handed to a 16-bit integer: rounded half to even, overflow outside the range.
std::int16_t RoundToInteger16(double value) {
  if (!std::isfinite(value)) {
    throw OverflowError("not a finite number");
  }
  double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
  if (rounded < -32768.0 || rounded > 32767.0) {
    throw OverflowError("value outside the 16-bit range");
  }
  return static_cast<std::int16_t>(rounded);
}

// The displayed month as the grid lays it out.
struct MonthGrid {
  CivilMonth shown;       // folded into 1..12
  DateValue first = 0;    // its first day
  int firstColumn = 0;    // 0 (Sunday) .. 6: the weekday of the first day
  int dayCount = 0;       // 28..31
  double numberDrop = 0;  // how far the day numbers stand below the middles of their cells
};

// Where a day stands: column 1 (Sunday) .. 7, row 2 (the first week) .. 7.
struct DayCell {
  int col = 0;
  int row = 0;
};

DayCell CellOf(const MonthGrid& grid, int day) {
  const int cell = grid.firstColumn + day - 1;  // 0 is the top row's Sunday
  return {cell % 7 + 1, cell / 7 + 2};
}

// The band of weekday names across the top row, Sunday in its own colour.
void DrawHeading(Surface& pic, const Palette& palette) {
  pic.SetBackColor(palette[ColourRole::kBackground]);
  pic.Cls();
  pic.Scale(0, 0, 7, 7);
  pic.SetDrawMode(kDrawModeCopyPen);
  pic.Line(0, 0, 7, 1, palette[ColourRole::kHeadingBand], LineKind::kFilledBox);
  for (int weekday = 0; weekday <= 6; ++weekday) {
    // Day 1 of the date values was a Sunday.
    const std::string name = Format(static_cast<DateValue>(weekday + 1), "aaa");
    // Measured in the weight the previous text left, before this heading's own is set.
    pic.SetCurrentX(weekday + 0.5 - pic.TextWidth(name) / 2);
    pic.SetCurrentY(1 - pic.TextHeight(name) - 0.2);
    pic.SetForeColor(palette[ColourRole::kHeadingText]);
    if (weekday == 0) {
      pic.SetForeColor(palette[ColourRole::kHeadingSunday]);
    }
    pic.SetFontBold(true);
    pic.Print(name);
  }
}

// Throws for a month the date functions cannot show.
MonthGrid LayOutMonth(const CalenderMonth& month) {
  // The month is folded into 1..12 before it reaches the 16-bit parts of DateSerial, so that
  // any number of steps away from the loading month draws, up to December 9999.
  MonthGrid grid;
  grid.shown = DisplayedMonth(month.CurYear, month.CurMonth);
  grid.first = DateSerial(grid.shown.year, grid.shown.month, 1);
  if (!IsShowableMonth(grid.shown.year, grid.shown.month)) {
    throw InvalidArgumentError("month outside the range of dates");
  }
  grid.firstColumn = WeekdayOfDay(static_cast<std::int64_t>(grid.first));
  grid.dayCount = DaysInMonth(grid.shown.year, grid.shown.month);
  return grid;
}

// One day's number in its cell, coloured by its column or as a holiday, and the holiday's name
// under it from the cell's left edge.
void DrawDay(Surface& pic, const Palette& palette, const MonthGrid& grid, int day,
             const DayOffLookup& findDayOff) {
  const auto [col, row] = CellOf(grid, day);
  const std::string number = std::to_string(day);
  pic.SetCurrentX(col - 0.5 - pic.TextWidth(number) / 2);
  pic.SetCurrentY(row - 0.5 - pic.TextHeight(number) / 2 + grid.numberDrop);
  if (col == 1) {
    pic.SetForeColor(palette[ColourRole::kSunday]);
    pic.SetFontBold(true);
  } else if (col == 7) {
    pic.SetForeColor(palette[ColourRole::kSaturday]);
    pic.SetFontBold(true);
  } else {
    pic.SetForeColor(palette[ColourRole::kText]);
    pic.SetFontBold(false);
  }
  const std::string name = findDayOff(Format(grid.first + (day - 1), "mm/dd"));
  if (!name.empty()) {
    // A holiday takes the holiday colour even on a Saturday.
    pic.SetForeColor(palette[ColourRole::kHoliday]);
    pic.SetFontBold(true);
  }
  pic.Print(number);
  pic.SetCurrentX(col - 1);
  pic.Print(name);
}

// The frame on the cell of day curDay, in whatever month is shown: a day past the month's end
// frames an empty cell. Skipped when the cell lies beyond what the surface can place.
void DrawTodayFrame(Surface& pic, Color color, const MonthGrid& grid, std::int32_t curDay) {
  const std::int64_t cell = grid.firstColumn + std::int64_t{curDay} - 1;
  const std::int64_t col = cell % 7 + 1;
  const std::int64_t row = cell / 7 + 2;
  SkipOnError([&] {
    const std::int16_t x1 = RoundToInteger16((col - 1) * pic.ScaleWidth() / 7);
    const std::int16_t y1 = RoundToInteger16((row - 1) * pic.ScaleHeight() / 7);
    const std::int16_t x2 = RoundToInteger16(pic.ScaleWidth() / 7 + x1);
    const std::int16_t y2 = RoundToInteger16(pic.ScaleHeight() / 7 + y1);
    pic.Line(x1, y1, x2, y2, color, LineKind::kBox);
  });
}

// Room for the 六曜 above the numbers: a quarter of its line, enough that in the design's small
// cells its characters and the number's do not touch. Measured in the weight the weekday names
// leave, which the first number is measured in too; none when the surface cannot measure it.
double NumberDropForRokuyo(Surface& pic) {
  double drop = 0;
  SkipOnError([&] {
    pic.SetFontSize(FontSize::kSmall);
    drop = pic.TextHeight("大安") / 4;
  });
  SkipOnError([&] { pic.SetFontSize(FontSize::kRegular); });
  return drop;
}

// Each day's 六曜 in small text on the top line of its cell, right-aligned above the number
// (which leaves the cell's left for the holiday name above it in the row before), one space in
// from the edge so that today's frame does not touch it. The regular size is the caller's to set
// again.
void DrawRokuyo(Surface& pic, Color color, const MonthGrid& grid, KyurekiCalendar& kyureki) {
  const KyurekiMonthDates dates =
      kyureki.DatesOfMonth(static_cast<int>(grid.shown.year), static_cast<int>(grid.shown.month));
  pic.SetFontSize(FontSize::kSmall);
  pic.SetFontBold(false);
  pic.SetForeColor(color);
  const double gap = pic.TextWidth(" ");
  int row = 0;
  for (int day = 1; day <= grid.dayCount; ++day) {
    if (const std::optional<KyurekiDate>& date = dates[day - 1]) {
      const DayCell cell = CellOf(grid, day);
      if (cell.row != row) {
        row = cell.row;
        pic.SetCurrentY(row - 1);
      }
      pic.PrintRightAligned(RokuyoName(RokuyoOf(*date)), cell.col - gap);
    }
  }
}

// " 大安 旧1月17日" for today; nothing where the old calendar does not reach.
std::string TodayInOldCalendar(KyurekiCalendar& kyureki) {
  const DateValue today = Date();
  const std::optional<KyurekiDate> date = kyureki.DateOf(Year(today), Month(today), Day(today));
  if (!date) {
    return {};
  }
  return " " + std::string(RokuyoName(RokuyoOf(*date))) + " " + KyurekiText(*date);
}

// "今日: " and today's date in bold along the bottom edge, with its 六曜 and old-calendar date
// when asked; each statement is skipped alone when it fails, so that a date that cannot be
// written still leaves the label.
void DrawCurrentDateLine(Surface& pic, Color color, KyurekiCalendar* rokuyoFrom) {
  std::string today;
  SkipOnError([&] { today = Format(Date(), "ddddd"); });
  std::string oldCalendar;
  if (rokuyoFrom != nullptr) {
    SkipOnError([&] { oldCalendar = TodayInOldCalendar(*rokuyoFrom); });
  }
  SkipOnError([&] { pic.SetForeColor(color); });
  SkipOnError([&] { pic.SetFontBold(true); });
  SkipOnError([&] { pic.SetCurrentX(0); });
  SkipOnError([&] { pic.SetCurrentY(pic.ScaleHeight() - pic.TextHeight(today)); });
  SkipOnError([&] { pic.Print("今日: " + today + oldCalendar); });
}

}  // namespace

CivilMonth DisplayedMonth(std::int64_t year, std::int64_t month) {
  return FoldMonth(year, month);
}

bool IsShowableMonth(std::int64_t year, std::int64_t month) {
  std::int64_t index = year * 12 + (month - 1);
  return index >= kFirstMonthIndex && index <= kLastMonthIndex;
}

void DrawCalender(Surface& pic, const CalenderMonth& month, const DayOffLookup& findDayOff,
                  const CaptionSink& setCaption, const Palette& palette,
                  KyurekiCalendar* rokuyoFrom) {
  DrawHeading(pic, palette);
  MonthGrid grid = LayOutMonth(month);
  if (rokuyoFrom != nullptr) {
    grid.numberDrop = NumberDropForRokuyo(pic);
  }
  for (int day = 1; day <= grid.dayCount; ++day) {
    DrawDay(pic, palette, grid, day, findDayOff);
  }
  // From here on a failing step is skipped and the next one runs.
  SkipOnError([&] { setCaption(Format(grid.first, "yyyy年mm月")); });
  if (rokuyoFrom != nullptr) {
    SkipOnError([&] { DrawRokuyo(pic, palette[ColourRole::kSecondaryText], grid, *rokuyoFrom); });
    // Back to the regular size even when the 六曜 stopped half-way: the bottom line measures.
    SkipOnError([&] { pic.SetFontSize(FontSize::kRegular); });
  }
  DrawTodayFrame(pic, palette[ColourRole::kTodayFrame], grid, month.CurDay);
  DrawCurrentDateLine(pic, palette[ColourRole::kTodayText], rokuyoFrom);
}

}  // namespace mirel
