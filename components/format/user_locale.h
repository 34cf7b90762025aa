// The user's own locale on Windows, read through the NLS functions: date and time pictures with
// the month and weekday names they spell, AM/PM designators, separators, whether years count in
// the Japanese calendar, and the Japanese eras from the system's calendar data (so an era
// announced after this program was built arrives with the system's updates), falling back to
// the built-in Japanese data for whatever the system does not give. For a Japanese user the
// month and weekday names of mmm/mmmm/ddd/dddd stay English, as in the built-in locale.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "components/format/locale_data.h"

namespace mirel {

LocaleData UserLocaleData();
// SetCurrentLocale(UserLocaleData()): at start-up and when the user changes the regional settings.
void UseUserLocale();

// The eras of the system's calendar data, given as its (value name, data) pairs, e.g.
// ("1989 01 08", "平成_平_Heisei_H"), merged with `builtIn`: system eras first, in order of
// start, then the built-in eras that start after the last of them. Unreadable entries are
// skipped; with no readable entry the result is `builtIn`.
std::vector<EraInfo> MergeSystemEras(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::vector<EraInfo>& builtIn);

}  // namespace mirel
