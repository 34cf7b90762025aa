// The one calendar window of the program, as the clock window's calendar command uses it.
#pragma once

namespace mirel {

// Shows the calendar window modeless and without owner: created and loaded on first use, loaded
// again when it was closed since, and only brought forward when it is open. Never two.
void ShowCalenderWindow();

}  // namespace mirel
