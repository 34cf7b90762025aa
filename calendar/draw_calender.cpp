#include "calendar/draw_calender.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "calendar/skip_on_error.h"
#include "components/datetime/civil_date.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/format.h"

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

}  // namespace

YearMonth DisplayedMonth(std::int64_t year, std::int64_t month) {
  const CivilMonth folded = FoldMonth(year, month);
  return {folded.year, folded.month};
}

bool IsShowableMonth(std::int64_t year, std::int64_t month) {
  std::int64_t index = year * 12 + (month - 1);
  return index >= kFirstMonthIndex && index <= kLastMonthIndex;
}

void DrawCalender(Surface& pic, const CalenderMonth& month, const DayOffLookup& findDayOff,
                  const CaptionSink& setCaption) {
  pic.Cls();
  pic.Scale(0, 0, 7, 7);
  pic.SetDrawMode(kDrawModeCopyPen);
  pic.Line(0, 0, 7, 1, kBlue, LineKind::kFilledBox);

  for (int i = 0; i <= 6; ++i) {
    std::string s = Format(static_cast<DateValue>(i + 1), "aaa");
    // Measured in the weight the previous text left, before this heading's own is set.
    pic.SetCurrentX(i + 0.5 - pic.TextWidth(s) / 2);
    pic.SetCurrentY(1 - pic.TextHeight(s) - 0.2);
    pic.SetForeColor(kWhite);
    if (i == 0) {
      pic.SetForeColor(kRed);
    }
    pic.SetFontBold(true);
    pic.Print(s);
  }

  // The month is folded into 1..12 before it reaches the 16-bit parts of DateSerial, so that
  // any number of steps away from the loading month draws, up to December 9999.
  YearMonth shown = DisplayedMonth(month.CurYear, month.CurMonth);
  DateValue first = DateSerial(shown.year, shown.month, 1);
  if (!IsShowableMonth(shown.year, shown.month)) {
    throw InvalidArgumentError("month outside the range of dates");
  }
  const std::int16_t offset = ToInteger16(Weekday(first, FirstDayOfWeek::kSunday) - 1);
  const std::int16_t nDays = ToInteger16(DaysInMonth(shown.year, shown.month));

  for (std::int16_t d = 1; d <= nDays; ++d) {
    const int k = offset + d - 1;  // never negative
    const int col = k % 7 + 1;
    const int row = k / 7 + 2;
    std::string t = std::to_string(d);
    pic.SetCurrentX(col - 0.5 - pic.TextWidth(t) / 2);
    pic.SetCurrentY(row - 0.5 - pic.TextHeight(t) / 2);
    if (col == 1) {
      pic.SetForeColor(kRed);
      pic.SetFontBold(true);
    } else if (col == 7) {
      pic.SetForeColor(kBlue);
      pic.SetFontBold(true);
    } else {
      pic.SetForeColor(kBlack);
      pic.SetFontBold(false);
    }
    std::string name = findDayOff(Format(DateSerial(shown.year, shown.month, d), "mm/dd"));
    if (!name.empty()) {
      // A holiday is red even on a Saturday.
      pic.SetForeColor(kRed);
      pic.SetFontBold(true);
    }
    pic.Print(t);
    pic.SetCurrentX(col - 1);
    pic.Print(name);
  }

  // From here on a failing step is skipped and the next one runs.
  SkipOnError([&] {
    first = DateSerial(shown.year, shown.month, 1);
    setCaption(Format(first, "yyyy年mm月"));
  });

  std::optional<std::pair<std::int64_t, std::int64_t>> frameCell;
  SkipOnError([&] {
    // The frame follows CurDay in whatever month is shown.
    std::int64_t m = Weekday(first, FirstDayOfWeek::kSunday) + std::int64_t{month.CurDay} - 1;
    frameCell = std::pair{(m - 1) % 7 + 1, (m - 1) / 7 + 2};
  });

  std::optional<std::array<std::int16_t, 4>> frame;
  SkipOnError([&] {
    if (!frameCell) {
      throw InvalidArgumentError("no frame cell");
    }
    auto [col, row] = *frameCell;
    std::int16_t x1 = RoundToInteger16((col - 1) * pic.ScaleWidth() / 7);
    std::int16_t y1 = RoundToInteger16((row - 1) * pic.ScaleHeight() / 7);
    std::int16_t x2 = RoundToInteger16(pic.ScaleWidth() / 7 + x1);
    std::int16_t y2 = RoundToInteger16(pic.ScaleHeight() / 7 + y1);
    frame = std::array<std::int16_t, 4>{x1, y1, x2, y2};
  });

  SkipOnError([&] {
    if (frame) {
      pic.Line((*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3], kRed, LineKind::kBox);
    }
  });

  std::string today;
  SkipOnError([&] { today = Format(Date(), "ddddd"); });
  SkipOnError([&] { pic.SetForeColor(kRed); });
  SkipOnError([&] { pic.SetFontBold(true); });
  SkipOnError([&] { pic.SetCurrentX(0); });
  SkipOnError([&] { pic.SetCurrentY(pic.ScaleHeight() - pic.TextHeight(today)); });
  SkipOnError([&] { pic.Print("今日: " + today); });
}

}  // namespace mirel
