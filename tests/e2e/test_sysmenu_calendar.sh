#!/usr/bin/env bash
# カレンダー chosen twice opens one calendar window: the second time only brings it forward.
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
sm_start

sm_choose "$SM_CALENDER"
calendar=$(sm_wait_window '年[0-9]{2}月$')

sm_choose "$SM_CALENDER" # the click on the clock's caption takes the focus from the calendar
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$calendar" ]; }
e2e_wait_until "$E2E_TIMEOUT" focused || e2e_fail "the calendar did not come forward"
count=$(sm_windows '年[0-9]{2}月$' | wc -l)
((count == 1)) || e2e_fail "$count calendar windows"
e2e_log "one calendar window"
