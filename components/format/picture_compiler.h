// The locale's date and time pictures (Windows NLS pictures such as "yyyy/MM/dd", "H:mm:ss",
// "yyyy'年'M'月'd'日'") compiled into the steps patterns compile to, so that ddddd, dddddd,
// ttttt, c and the empty pattern are written by the same applier as every other token. Internal
// to the format library.
//
// Picture letters are case-sensitive: d dd (day), ddd dddd (the locale's weekday names), M MM
// MMM MMMM (month, the locale's month names), y yy yyyy (year), H HH (0..23), h hh (1..12),
// m mm, s ss, t tt (first character of the designator, the designator), g (era name); 'text' is
// copied, '' in it is one quote. In the Japanese calendar y is the year of the era and g the era;
// otherwise g writes nothing. Any other character is copied.
#pragma once

#include <string_view>

#include "components/format/locale_data.h"
#include "components/format/pattern_program.h"

namespace mirel::format_detail {

struct LocalePictures {
  Program shortDate;    // ddddd
  Program longDate;     // dddddd
  Program time;         // ttttt
  Program dateAndTime;  // the short date, a blank and the time: the general form of most values
};

LocalePictures CompileLocalePictures(const LocaleData& locale);

// The compiled pictures of `locale` when it is CurrentLocale(), compiled at their first use
// after SetCurrentLocale, which drops them with the locale they were compiled from; nullptr for
// any other locale.
const LocalePictures* PicturesIfCurrent(const LocaleData& locale);

}  // namespace mirel::format_detail
