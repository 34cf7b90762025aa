#!/usr/bin/env bash
# Closing the clock window ends the process with exit status 0, and closes the calendar window
# with it when that is open.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
cal_setup

# The clock alone: it starts minimised and active; Alt+F4 is the window menu's Close.
e2e_start_mirel hh:nn:ss
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' >/dev/null
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$E2E_PID" || e2e_fail "the process still runs after Close"
status=$(e2e_exit_status "$E2E_PID")
[ "$status" = 0 ] || e2e_fail "exit status $status"

# With the calendar open: both windows go and the process ends.
cal_start_and_open
cal_probe close frmMirel >/dev/null || e2e_fail "no clock window to close"
e2e_wait_exit "$E2E_PID" || e2e_fail "the process still runs after the clock closed"
status=$(e2e_exit_status "$E2E_PID")
[ "$status" = 0 ] || e2e_fail "exit status $status with the calendar open"
