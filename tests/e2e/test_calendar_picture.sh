#!/usr/bin/env bash
# What the calendar shows, read from a screenshot: the blue heading band, the white grid, the red
# frame on today's cell, and a holiday from the DayOff.dat beside the program in red, on Windows 10
# with no choice of dark mode stored. Opened again with dark mode chosen, the grid is dark and
# Sundays, Saturdays, the holiday and the frame keep their hues; switched back to light while
# open, it is the light picture again within a second. The pictures are kept as
# $MIREL_E2E_WORK/calendar.png and calendar_dark.png (and copied to docs/ with
# MIREL_UPDATE_DOCS=1).
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"

# A holiday on a weekday of this month that is not today, with the same weekday a week earlier
# as a plain day to compare with. Prints: holiday plainDay todayCol todayRow holCol holRow plainCol plainRow.
read -r holiday plain today_col today_row hol_col hol_row plain_col plain_row <<<"$(
  python3 - "$(cal_today +%Y)" "$(cal_today +%m)" "$(cal_today +%d)" <<'PY'
import datetime, sys
year, month, today = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
offset = (datetime.date(year, month, 1).weekday() + 1) % 7  # 0 when the month begins on Sunday
def cell(day):
    k = offset + day - 1
    return k % 7 + 1, k // 7 + 2
for day in range(15, 29):
    plain = day - 7
    if 2 <= cell(day)[0] <= 6 and today not in (day, plain) :
        break
print(day, plain, *cell(today), *cell(day), *cell(plain))
PY
)"
month=$(cal_today +%m)
cal_setup "$(printf 'メモ: 試験用\r\n%s/%02d = 試験祝日\r\n' "$month" "$holiday")"
"$E2E_WINESERVER" -p # one server for the registry commands and the program; the cleanup ends it
e2e_windows_10
cal_start_and_open
cal_expect_caption "$(cal_today +%Y年%m月)"
sleep 0.5

cal_grid
shot=$E2E_DIR/screen.png
e2e_screenshot "$shot"

cell_x() { echo $((gx + ($1 - 1) * gw / 7)); }
cell_y() { echo $((gy + ($1 - 1) * gh / 7)); }
cw=$((gw / 7))
ch=$((gh / 7))

# The heading band: blue between the names (the strip under the arrow boxes and above the text).
band=$(cal_count "$shot" blue "$((gx + 20))" "$((gy + 1))" "$((gw - 40))" 2)
((band > (gw - 40) * 2 * 9 / 10)) || e2e_fail "heading band not blue ($band)"

# The grid: white in the bottom-right corner, where no text reaches.
white=$(cal_count "$shot" white "$((gx + gw - 8))" "$((gy + gh - 6))" 6 4)
((white == 24)) || e2e_fail "grid not white ($white)"

# The red frame on today's cell: its top and left edges.
tx=$(cell_x "$today_col")
ty=$(cell_y "$today_row")
top=$(cal_count "$shot" red "$tx" "$((ty - 1))" "$cw" 3)
left=$(cal_count "$shot" red "$((tx - 1))" "$ty" 3 "$ch")
((top >= cw * 8 / 10 && left >= ch * 8 / 10)) || e2e_fail "no red frame on today ($top, $left)"

# The holiday's number is red; the same weekday a week earlier is not.
cal_expect_red_holiday "$shot" "$hol_col" "$hol_row" "$plain_col" "$plain_row" \
  "days $holiday and $plain"

# The picture of the whole window for the README.
cal_keep_picture "$shot" calendar
cal_grid_picture "$shot" "$E2E_DIR/light.png"
e2e_log "picture ok"

# Dark mode chosen, the calendar opened again: a dark grid, the hues kept.
cal_close
e2e_apps_use_light_theme 0
cal_open
cal_grid
e2e_wait_until 10 eval 'e2e_screenshot "$shot" &&
  (($(cal_count "$shot" dark "$((gx + gw - 8))" "$((gy + gh - 6))" 6 4) == 24))' ||
  e2e_fail "grid not dark"
band=$(cal_count "$shot" bluish "$((gx + 20))" "$((gy + 1))" "$((gw - 40))" 2)
((band > (gw - 40) * 2 * 9 / 10)) || e2e_fail "dark heading band not blue ($band)"
# Row 3 holds a whole week: its Sunday and Saturday.
sunday=$(cal_red_number "$shot" 1 3 reddish)
saturday=$(cal_red_number "$shot" 7 3 bluish)
e2e_log "dark: Sunday $sunday reddish pixels, Saturday $saturday bluish"
((sunday >= 5 && saturday >= 5)) || e2e_fail "Sunday or Saturday lost its hue in dark mode"
cal_expect_red_holiday "$shot" "$hol_col" "$hol_row" "$plain_col" "$plain_row" \
  "dark: days $holiday and $plain" reddish
tx=$(cell_x "$today_col")
ty=$(cell_y "$today_row")
top=$(cal_count "$shot" reddish "$tx" "$((ty - 1))" "$cw" 3)
((top >= cw * 8 / 10)) || e2e_fail "no reddish frame on today in dark mode ($top)"
cal_keep_picture "$shot" calendar_dark

# Back to light while the calendar is open: every window hears of it as from Windows.
e2e_apps_use_light_theme 1
cal_probe settingchange ImmersiveColorSet || e2e_fail "the broadcast failed"
sent=$(date +%s%N)
until e2e_screenshot "$shot" && cal_grid_picture "$shot" "$E2E_DIR/now.png" &&
  [ "$(compare -metric AE "$E2E_DIR/light.png" "$E2E_DIR/now.png" null: 2>&1)" = 0 ]; do
  (($(date +%s%N) - sent < 1000000000)) ||
    e2e_fail "not the light picture a second after the switch (AE $(
      compare -metric AE "$E2E_DIR/light.png" "$E2E_DIR/now.png" null: 2>&1))"
  sleep 0.05
done
e2e_log "light again after $((($(date +%s%N) - sent) / 1000000)) ms, pixel for pixel"
e2e_log "dark mode ok"
