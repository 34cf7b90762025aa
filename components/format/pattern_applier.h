// Writes a date value by a compiled program (pattern_program.h): each step in turn, the locale's
// pictures for the steps that stand for them. Internal to the format library.
#pragma once

#include <string>

#include "components/datetime/date_value.h"
#include "components/format/locale_data.h"
#include "components/format/pattern_program.h"

namespace mirel::format_detail {

// Appends `value` written by `program` to `out`. Throws InvalidArgumentError for a value outside
// the range of dates.
void AppendProgram(std::string& out, const Program& program, DateValue value,
                   const LocaleData& locale);

}  // namespace mirel::format_detail
