#!/usr/bin/env bash
# The calendar opens at the place and size stored for it; a stored place that lies on no monitor
# gives way to the design place (client area at 745, 532 at 96 dpi), keeping the stored size,
# which there reaches 25 pixels past the screen's right edge: the window moves left by as much.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
cal_setup
# One wineserver for the whole test: a program started while the server of the registry commands
# is shutting down can end before it shows a window. The cleanup ends it.
"$E2E_WINESERVER" -p
key='HKCU\Software\VB and VBA Program Settings\Mirel\frmCalender'

store_place() {  # left top width height, in twips
  e2e_reg_add "$key" Left "$1"
  e2e_reg_add "$key" Top "$2"
  e2e_reg_add "$key" Width "$3"
  e2e_reg_add "$key" Height "$4"
}

expect_client() {
  local client
  client=$(cal_probe client frmCalender)
  e2e_log "client area: $client"
  [ "$client" = "$1" ] || e2e_fail "client area '$client', expected '$1'"
}

# Near the right edge, where only the stored size fits, not the design size: kept as stored.
store_place 12750 3000 2250 1500
cal_start_and_open
expect_client "850 200 150 100"
cal_probe close frmMirel >/dev/null
e2e_wait_exit "$E2E_PID" || e2e_fail "the program did not end"
wait "$E2E_PID" || true

store_place 150000 -90000 4500 3000
cal_start_and_open
expect_client "720 532 300 200"
e2e_log "place ok"
