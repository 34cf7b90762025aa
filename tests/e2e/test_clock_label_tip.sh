#!/usr/bin/env bash
# The one-time message about hidden taskbar labels, on Windows 10 (e2e_windows_10: Wine 8 says
# Windows 7 unless told otherwise). With TaskbarGlomLevel 0 the first start shows it beside a clock that ticks on,
# naming the setting; the clock closing under it does not count as read, so the next start shows
# it again; closed by the user (Escape, as 閉じる), it is stored as read and the third start shows
# none. With TaskbarGlomLevel 2 (labels shown) it never shows.
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
advanced='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced'
e2e_setup
"$E2E_WINESERVER" -p # one server for the registry commands and the programs
e2e_windows_10
e2e_reg_add "$advanced" TaskbarGlomLevel 0 REG_DWORD

# The clock found by its caption: the message may show before the search does.
launch() {
  e2e_start_mirel hh:nn:ss
  CLOCK_WID=$(sm_wait_window '^[0-9]{2}:[0-9]{2}:[0-9]{2}$')
}
tip_shows() {
  TIP_WID=$(sm_wait_window '^Mirel$' 10)
  local text
  text=$(sm_probe text '#32770' 100)
  [[ $text == *「タスクバー\ ボタンを結合する」を「結合しない」* ]] ||
    e2e_fail "the message does not name the setting: $text"
}
# The first tick shows the message, so by a second after it there is none to come.
no_tip() {
  sleep 1
  [ -z "$(sm_windows '^Mirel$')" ] || e2e_fail "a message about the taskbar shows ($1)"
}
close_clock() {
  sm_probe close frmMirel >/dev/null
  e2e_wait_exit "$E2E_PID" || e2e_fail "the clock did not close"
  wait "$E2E_PID" || true
}
stored() { e2e_reg_query "$SM_KEY" LabelTip || echo none; }

launch
tip_shows
first=$(e2e_caption "$CLOCK_WID")
e2e_wait_until 5 sm_caption_is_not "$first" || e2e_fail "the clock stopped under the message"
close_clock
[ "$(stored)" = none ] || e2e_fail "closing the clock stored LabelTip=$(stored)"

launch
tip_shows
eval "$(xdotool getwindowgeometry --shell "$TIP_WID")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1 # activates it by its caption
xdotool key Escape
sm_wait_gone "$TIP_WID"
[ "$(stored)" = 0 ] || e2e_fail "closing the message stored LabelTip=$(stored)"
first=$(e2e_caption "$CLOCK_WID")
e2e_wait_until 5 sm_caption_is_not "$first" || e2e_fail "the clock stopped with the message"
close_clock

launch
no_tip "read before"
close_clock

e2e_reg_delete "$SM_KEY" LabelTip
e2e_reg_add "$advanced" TaskbarGlomLevel 2 REG_DWORD
launch
no_tip "labels shown"
close_clock
e2e_log "label message ok"
