#!/usr/bin/env bash
# Closing the clock window ends the process, with exit status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

e2e_start_mirel hh:nn:ss
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' >/dev/null
# The clock starts minimised and active; Alt+F4 is the window menu's Close.
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$E2E_PID" "$E2E_TIMEOUT" || e2e_fail "the process still runs after Close"
status=$(e2e_exit_status "$E2E_PID")
[ "$status" = 0 ] || e2e_fail "exit status $status"
