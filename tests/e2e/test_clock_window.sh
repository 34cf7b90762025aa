#!/usr/bin/env bash
# The clock window as designed: minimised at start with the design caption until the first
# tick, and, restored, its client rectangle at 6825, 6270, 1605 x 750 twips: 455, 418, 107 x 50
# pixels on the 96 dpi test display.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
e2e_setup

e2e_start_mirel 'hh:nn:ss'
wid=$(e2e_wait_window "$E2E_PID")
caption=$(e2e_wait_caption "$wid" '^(カレンダー|[0-9]{2}:[0-9]{2}:[0-9]{2})$')
e2e_log "first caption seen: $caption"
e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' >/dev/null
# Minimised: Wine draws it as a small caption bar at the bottom left.
read -r _ y < <(xdotool getwindowgeometry "$wid" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
((y > 600)) || e2e_fail "the clock does not start minimised (y = $y)"

cal_probe syscommand frmMirel 61728 >/dev/null  # SC_RESTORE
e2e_wait_until "$E2E_TIMEOUT" eval '[ "$(cal_probe client frmMirel)" = "455 418 107 50" ]' ||
  e2e_fail "client rectangle $(cal_probe client frmMirel)"
