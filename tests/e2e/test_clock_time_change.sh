#!/usr/bin/env bash
# The clock's icons show the day of the month, exactly as the program's drawing of that day (the
# probe draws it the same way), and follow the date: a changed system time (WM_TIMECHANGE), a
# resume from sleep (WM_POWERBROADCAST) and an unlocked session (WM_WTSSESSION_CHANGE) show in
# the caption within 200 ms of the message, with the icon of a new day; another power message
# waits for the next tick. At midnight the icon turns to the next day within a second.
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
e2e_setup
"$E2E_WINESERVER" -p # the server keeps the real clock; the cleanup ends it
e2e_fake_time_file '2026-03-07 12:00:00'
e2e_start_mirel d hh:nn:ss
CLOCK_WID=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$CLOCK_WID" '^7 12:00:[0-9]{2}$' >/dev/null

# The icons of `day` as the window should have them: the probe's drawings at the sizes the
# window's icons have, in the same order.
expected_icons() {
  local line
  while read -r line; do
    sm_probe dayicon "$1" "${line%%,*}"
  done < <(e2e_icons "$CLOCK_WID")
}
icons_are() { [ "$(e2e_icons "$CLOCK_WID")" = "$1" ]; }

e2e_wait_until 10 eval '[ -n "$(e2e_icons "$CLOCK_WID")" ]' || e2e_fail "the clock has no icons"
icons7=$(expected_icons 7)
e2e_wait_until 10 icons_are "$icons7" || e2e_fail "the icons do not show the 7th"
e2e_log "icons: $(e2e_icons "$CLOCK_WID" | cut -d, -f1 | tr '\n' ' ')pixels, the 7th"

# Each message after the program's clock was moved on; the probe waits for a moment just after a
# tick, so that the next tick is some 350 ms away and only the message can change the caption
# sooner. It prints the milliseconds until the caption changed and those until the next tick.
refresh() {  # message wParam time
  sm_probe refresh frmMirel "$1" "$2" "Z:$E2E_EPOCH_FILE" "$(e2e_epoch "$3")"
}
icons28=$(expected_icons 28)
cases=(
  # message wParam   the new time            what it stands for
  "0x001E 0     2026-03-28T13:00:00 WM_TIMECHANGE"
  "0x0218 0x12  2026-03-28T14:00:00 PBT_APMRESUMEAUTOMATIC"
  "0x0218 0x7   2026-03-28T15:00:00 PBT_APMRESUMESUSPEND"
  "0x02B1 0x8   2026-03-28T16:00:00 WTS_SESSION_UNLOCK"
)
for c in "${cases[@]}"; do
  read -r message wparam when name <<<"$c"
  read -r ms _ < <(refresh "$message" "$wparam" "$when")
  hour=${when:11:2}
  e2e_wait_caption "$CLOCK_WID" "^28 $hour:00:0[0-9]\$" 5 >/dev/null
  e2e_log "$name: the new time in the caption after $ms ms"
  ((ms <= ${E2E_REFRESH_LIMIT_MS:-200})) || e2e_fail "$name: the caption took $ms ms"
  icons_are "$icons28" || e2e_fail "$name: the icons do not show the 28th"
done
# A power message that is no resume leaves the new time to the next tick: the caption may not
# change before the tick was due. When the probe was held up until the tick was near, the two
# cannot be told apart, and the case is tried again at a later hour.
for hour in 17 18 19; do
  read -r ms until_tick < <(refresh 0x0218 0x4 "2026-03-28T$hour:00:00") # PBT_APMSUSPEND
  ((until_tick < 150)) || break
  e2e_log "PBT_APMSUSPEND: posted only $until_tick ms before a tick; again"
  e2e_wait_caption "$CLOCK_WID" "^28 $hour:00:0[0-9]\$" 5 >/dev/null
done
e2e_log "PBT_APMSUSPEND: the new time in the caption after $ms ms, the tick was due after $until_tick"
((until_tick >= 150)) || e2e_fail "PBT_APMSUSPEND: never posted well before a tick"
((ms + 15 >= until_tick)) || e2e_fail "PBT_APMSUSPEND refreshed the caption at once ($ms ms)"

# Midnight: the clock is set to two seconds before it.
icons29=$(expected_icons 29)
e2e_fake_time_jump '2026-03-28 23:59:58'
e2e_wait_caption "$CLOCK_WID" '^28 23:59:5[89]$' 10 >/dev/null
icons_are "$icons28" || e2e_fail "the icons changed before midnight"
e2e_wait_caption "$CLOCK_WID" '^29 00:00:00$' 5 >/dev/null
midnight=$(sm_now_ms)
e2e_wait_until 5 icons_are "$icons29" || e2e_fail "the icons still do not show the 29th"
elapsed=$(($(sm_now_ms) - midnight))
e2e_log "midnight: the icons show the 29th ${elapsed} ms after the caption showed 00:00:00"
((elapsed <= 1000)) || e2e_fail "the icons changed ${elapsed} ms after midnight"
