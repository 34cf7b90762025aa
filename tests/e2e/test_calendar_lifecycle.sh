#!/usr/bin/env bash
# Closing the calendar only unloads it (minimising it first does no harm): the clock runs on,
# the calendar's place is stored, and the calendar command loads it again (one window, never
# two). Closing the clock closes the calendar and ends the program.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
cal_setup
cal_start_and_open
first=$CAL_WID

# A second calendar command brings the open window forward and makes no other.
cal_probe syscommand frmMirel 101 >/dev/null
sleep 0.5
count=$(xdotool search --all --onlyvisible --pid "$E2E_PID" --name '年[0-9]{2}月$' | wc -l)
((count == 1)) || e2e_fail "$count calendar windows"

# Minimised, the calendar draws nothing and reports nothing (no message box appears); restored,
# it shows its month again.
windows=$(xdotool search --onlyvisible --pid "$E2E_PID" | wc -l)
cal_probe syscommand frmCalender 61472 >/dev/null # SC_MINIMIZE
sleep 1
cal_probe syscommand frmCalender 61728 >/dev/null # SC_RESTORE
sleep 1
now=$(xdotool search --onlyvisible --pid "$E2E_PID" | wc -l)
((now == windows)) || e2e_fail "$now windows after minimise and restore, $windows before"
cal_expect_caption "$(cal_today +%Y年%m月)"

cal_close
e2e_running "$E2E_PID" || e2e_fail "closing the calendar ended the program"
before=$(e2e_caption "$CLOCK_WID")
e2e_wait_until 10 eval '[ "$(e2e_caption "$CLOCK_WID")" != "$before" ]' ||
  e2e_fail "the clock stopped after the calendar closed"

key='HKCU\Software\VB and VBA Program Settings\Mirel\frmCalender'
left=$(e2e_reg_query "$key" Left) || e2e_fail "the calendar's place was not stored"
e2e_log "stored Left: $left"

cal_open
[ "$CAL_WID" != "$first" ] || e2e_log "same X window id reused"
cal_expect_caption "$(cal_today +%Y年%m月)"

cal_probe close frmMirel >/dev/null
e2e_wait_exit "$E2E_PID" || e2e_fail "closing the clock did not end the program"
status=$(e2e_exit_status "$E2E_PID")
((status == 0)) || e2e_fail "exit status $status"
e2e_log "lifecycle ok"
