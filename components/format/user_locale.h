// The user's own locale on Windows, read through the NLS functions: date and time pictures with
// the month and weekday names they spell, AM/PM designators, separators, whether years count in
// the Japanese calendar, and the Japanese eras from the system's calendar data (so an era
// announced after this program was built arrives with the system's updates), falling back to
// the built-in Japanese data for whatever the system does not give. For a Japanese user the
// month and weekday names of mmm/mmmm/ddd/dddd stay English, as in the built-in locale.
#pragma once

#include "components/format/locale_data.h"

namespace mirel {

LocaleData UserLocaleData();
// SetCurrentLocale(UserLocaleData()): at start-up and when the user changes the regional settings.
void UseUserLocale();

}  // namespace mirel
