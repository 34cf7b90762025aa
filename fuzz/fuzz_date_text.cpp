// The date-text reader on any bytes: it must not crash, and whatever it accepts must be a real
// day that ReadDateText turns into the same year, month and day.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "components/datetime/date_value.h"
#include "components/format/date_text_reader.h"
#include "components/format/locale_data.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

mirel::LocaleData DayMonthYearLocale() {
  mirel::LocaleData locale = mirel::CurrentLocale();
  locale.shortDatePicture = "dd.MM.yyyy";
  locale.dateSeparator = ".";
  return locale;
}

void CheckOne(std::string_view text, const mirel::LocaleData& locale) {
  const auto parts = mirel::ParseDateText(text, locale);
  const auto value = mirel::ReadDateText(text, 2024, locale);
  // Extreme current years must neither crash nor throw.
  (void)mirel::ReadDateText(text, -32768, locale);
  (void)mirel::ReadDateText(text, 32767, locale);
  if (!parts) {
    Check(!value);
    return;
  }
  Check(parts->month >= 1 && parts->month <= 12);
  Check(parts->day >= 1 && parts->day <= 31);
  Check(!parts->year || (*parts->year >= 100 && *parts->year <= 9999));
  Check(!parts->timeOfDay || (*parts->timeOfDay >= 0.0 && *parts->timeOfDay < 1.0));
  if (parts->year || !(parts->month == 2 && parts->day == 29)) {
    Check(value.has_value());
  }
  if (value) {
    Check(mirel::Year(*value) == parts->year.value_or(2024));
    Check(mirel::Month(*value) == parts->month);
    Check(mirel::Day(*value) == parts->day);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const mirel::LocaleData dayFirst = DayMonthYearLocale();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckOne(text, mirel::CurrentLocale());
  CheckOne(text, dayFirst);
  return 0;
}
