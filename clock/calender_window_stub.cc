// Temporary: stands in for the calendar window while calendar/calendar_window_win.cpp does not
// exist yet, so the executable links; the calendar command then does nothing.
#include "calendar/calender_window.h"

namespace mirel {
void ShowCalenderWindow() {}
}  // namespace mirel
