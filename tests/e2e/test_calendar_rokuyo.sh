#!/usr/bin/env bash
# 六曜 on the calendar, switched from its context menu (the second item): off at first, nothing
# stored; on from a right click, every day of March 2026 carries grey text at the top right of its
# cell, where there was none, and the bottom line grows to the right (「今日: 2026/3/5 大安
# 旧1月17日」); stored as "1" and still on when the calendar opens again; off from Shift+F10, the
# grid is the first picture again, pixel for pixel. The picture with 六曜 is kept as
# $MIREL_E2E_WORK/calendar_rokuyo.png (and copied to docs/ with MIREL_UPDATE_DOCS=1).
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"

# The program believes it is 5 March 2026, 10:00 in Tokyo, and its clock runs on from there.
e2e_fake_time '2026-03-05 10:00:00'

cal_setup
"$E2E_WINESERVER" -p # one server for the registry commands and the program; the cleanup ends it
cal_start_and_open
cal_expect_caption '2026年03月'
cal_grid
ch=$((gh / 7))
shot=$E2E_DIR/screen.png

# Grey pixels at the top right of each of the grid's 49 cells, row by row from the weekday names:
# the right half of the cell above the number's ink, 2 pixels in from the cell's edges.
corner_greys() {
  convert "$shot" -crop "${gw}x${gh}+${gx}+${gy}" +repage -fx "$(cal_fx grey)" \
    -crop 7x7@ +repage -gravity NorthEast -crop "$((gw / 14))x$((ch / 3 - 2))+2+2" +repage \
    -format '%[fx:round(mean*w*h)]\n' info:
}

# Red pixels of the bottom line in the grid's right half, where only a longer line reaches.
bottom_right_red() {
  cal_count "$shot" red $((gx + gw / 2)) $((gy + gh - ch / 2)) $((gw / 2 - 2)) $((ch / 2 - 1))
}

# Waits until March 2026 (from Sunday the 1st: cells 8 to 38) is drawn with its 六曜 (on) or
# without (off): grey corners on all 31 days and nowhere else, the bottom line past the middle.
expect_rokuyo() {
  local want=$1 deadline=$((SECONDS + 10)) greys marked unmarked red
  while :; do
    sleep 0.3
    e2e_screenshot "$shot"
    mapfile -t greys < <(corner_greys)
    marked=0 unmarked=0
    for ((cell = 7; cell < 49; cell++)); do
      if ((cell >= 7 && cell < 38 && greys[cell] >= 5)); then
        ((marked += 1))
      elif ((greys[cell] == 0)); then
        ((unmarked += 1))
      fi
    done
    red=$(bottom_right_red)
    if [ "$want" = on ] && ((marked == 31 && unmarked == 11 && red >= 20)); then break; fi
    if [ "$want" = off ] && ((marked == 0 && unmarked == 42 && red == 0)); then break; fi
    ((SECONDS < deadline)) ||
      e2e_fail "六曜 not drawn $want: $marked marked days, $unmarked clean cells, $red red pixels"
  done
  e2e_log "六曜 $want: $marked days marked, $unmarked cells clean, bottom line $red red pixels right"
}


# Off at first, nothing stored; the picture to come back to.
expect_rokuyo off
if e2e_reg_query "$CAL_KEY" Rokuyo >/dev/null; then
  e2e_fail "Rokuyo stored before any choice"
fi
cal_grid_picture "$shot" "$E2E_DIR/off.png"

# On from a right click on the grid, the menu's second item.
cal_use_menu 2 xdotool mousemove $((gx + gw / 2)) $((gy + 3 * ch + ch / 2)) click 3
expect_rokuyo on
cal_expect_stored Rokuyo 1

# Closed and opened again, still on.
cal_close
cal_open
cal_expect_caption '2026年03月'
cal_grid
expect_rokuyo on

# The picture of the whole window for the README.
cal_keep_picture "$shot" calendar_rokuyo

# Off from Shift+F10: the grid as it was before, to the pixel.
cal_use_menu 2 xdotool key shift+F10
cal_expect_stored Rokuyo 0
e2e_wait_until 10 eval 'e2e_screenshot "$shot" && cal_grid_picture "$shot" "$E2E_DIR/now.png" &&
  [ "$(compare -metric AE "$E2E_DIR/off.png" "$E2E_DIR/now.png" null: 2>&1)" = 0 ]' ||
  e2e_fail "off again, the grid differs from the first picture (AE $(
    compare -metric AE "$E2E_DIR/off.png" "$E2E_DIR/now.png" null: 2>&1))"
e2e_log "off again: the grid is the first picture, pixel for pixel"

e2e_running "$E2E_PID" || e2e_fail "the program ended"
e2e_log "六曜 ok"
