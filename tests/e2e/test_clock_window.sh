#!/usr/bin/env bash
# The clock window as designed: minimised at start with the design caption until the first
# tick, and, restored, its client rectangle at 6825, 6270, 1605 x 750 twips: 455, 418, 107 x 50
# pixels at 96 dpi and 683, 627, 161 x 75 at 144 dpi, where the system's smallest window is wider
# than the design frame.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
e2e_setup

# Starts the clock, checks it starts minimised, restores it and waits for `client`.
check_window() {  # expected client "left top width height"
  local expected=$1
  e2e_start_mirel 'hh:nn:ss'
  wid=$(e2e_wait_window "$E2E_PID")
  caption=$(e2e_wait_caption "$wid" '^(カレンダー|[0-9]{2}:[0-9]{2}:[0-9]{2})$')
  e2e_log "first caption seen: $caption"
  e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' >/dev/null
  # Minimised: Wine draws it as a small caption bar at the bottom left.
  read -r _ y < <(xdotool getwindowgeometry "$wid" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  ((y > 600)) || e2e_fail "the clock does not start minimised (y = $y)"

  cal_probe syscommand frmMirel 61728 >/dev/null  # SC_RESTORE
  e2e_wait_until "$E2E_TIMEOUT" eval '[ "$(cal_probe client frmMirel)" = "$expected" ]' ||
    e2e_fail "client rectangle $(cal_probe client frmMirel), expected $expected"
  cal_probe close frmMirel >/dev/null
  e2e_wait_exit "$E2E_PID" || e2e_fail "the clock did not close"
}

check_window "455 418 107 50"

e2e_wine_env "$E2E_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 \
  /f >/dev/null 2>&1
"$E2E_WINESERVER" -k 2>/dev/null || true  # the DPI is read when the wineserver starts
"$E2E_WINESERVER" -w 2>/dev/null || true
check_window "683 627 161 75"
