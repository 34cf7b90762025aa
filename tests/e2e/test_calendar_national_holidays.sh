#!/usr/bin/env bash
# National holidays on the calendar, switched from its context menu: off at first (only the file's
# holidays), on from a right click (春分の日 on 20 March 2026, which the file does not name), kept
# in the registry and still on when the calendar opens again, off from Shift+F10 and on again from
# the Menu key. The picture of March 2026 is kept as $MIREL_E2E_WORK/calendar_national.png (and
# copied to docs/ with MIREL_UPDATE_DOCS=1).
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"

# The program believes it is 5 March 2026, 10:00 in Tokyo, and its clock runs on from there.
e2e_fake_time '2026-03-05 10:00:00'

cal_setup "$(printf '会社の休日\r\n3/10 = 創立記念日\r\n')"
"$E2E_WINESERVER" -p # one server for the registry commands and the program; the cleanup ends it
key='HKCU\Software\VB and VBA Program Settings\Mirel\frmCalender'
cal_start_and_open
cal_expect_caption '2026年03月'

# March 2026 begins on a Sunday: day d stands in column (d - 1) % 7 + 1, row (d - 1) / 7 + 2.
cal_grid
cw=$((gw / 7))
ch=$((gh / 7))
shot=$E2E_DIR/screen.png

# Red pixels of a day's number, and of the name under it (which may run on into the next cell).
red_number() { cal_red_number "$shot" $((($1 - 1) % 7 + 1)) $((($1 - 1) / 7 + 2)); }
red_name() {
  local d=$1 x y
  x=$((gx + (d - 1) % 7 * cw))
  y=$((gy + ((d - 1) / 7 + 1) * ch))
  cal_count "$shot" red "$x" $((y + ch / 2 + 2)) $((2 * cw - 2)) "$ch"
}

# Waits until day 20 is drawn as a holiday (on) or as a plain Friday (off).
expect_equinox() {
  local want=$1 deadline=$((SECONDS + 10)) number name
  while :; do
    sleep 0.3
    e2e_screenshot "$shot"
    number=$(red_number 20)
    name=$(red_name 20)
    if [ "$want" = on ] && ((number >= 5 && name >= 20)); then break; fi
    if [ "$want" = off ] && ((number == 0 && name == 0)); then break; fi
    ((SECONDS < deadline)) || e2e_fail "day 20 not drawn $want ($number, $name red pixels)"
  done
  e2e_log "day 20 $want: $number red pixels in the number, $name in the name"
}

expect_stored() { cal_expect_stored NationalHolidays "$1"; }
# The context menu's first item, 「国民の祝日を表示」, from `command...`.
use_menu() { cal_use_menu 1 "$@"; }

# Off at first: nothing stored, 20 March plain, the file's holiday on the 10th red.
expect_equinox off
file_red=$(red_number 10)
((file_red >= 5)) || e2e_fail "the file's holiday on the 10th is not red ($file_red)"
if e2e_reg_query "$key" NationalHolidays >/dev/null; then
  e2e_fail "NationalHolidays stored before any choice"
fi

# On from a right click on the grid.
use_menu xdotool mousemove $((gx + 3 * cw + cw / 2)) $((gy + 3 * ch + ch / 2)) click 3
expect_equinox on
expect_stored 1

# Closed and opened again, still on.
cal_close
cal_open
cal_expect_caption '2026年03月'
cal_grid
expect_equinox on

# The picture of the whole window for the README.
cal_keep_picture "$shot" calendar_national

# Off from Shift+F10, on again from the Menu key.
use_menu xdotool key shift+F10
expect_equinox off
expect_stored 0
use_menu xdotool key Menu
expect_equinox on
expect_stored 1

e2e_running "$E2E_PID" || e2e_fail "the program ended"
e2e_log "national holidays ok"
