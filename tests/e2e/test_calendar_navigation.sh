#!/usr/bin/env bash
# The calendar opens on the current month; Right and Left step one month (thirteen Rights show
# the month after the same month of next year); a click on an arrow box steps one month and
# leaves the keys working.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
cal_setup
cal_start_and_open

cal_expect_caption "$(cal_today +%Y年%m月)"

for _ in $(seq 13); do
  xdotool key Right
done
cal_expect_caption "$(cal_month_caption 13)"

for _ in $(seq 13); do
  xdotool key Left
done
cal_expect_caption "$(cal_month_caption 0)"

# Keys that are no month step change nothing.
xdotool key Up Down Home a
sleep 0.5
cal_expect_caption "$(cal_month_caption 0)"

cal_click_child "$CAL_NEXT_ID"
cal_expect_caption "$(cal_month_caption 1)"
xdotool key Right
cal_expect_caption "$(cal_month_caption 2)"

cal_click_child "$CAL_PREV_ID"
cal_expect_caption "$(cal_month_caption 1)"
xdotool key Right
cal_expect_caption "$(cal_month_caption 2)"

e2e_running "$E2E_PID" || e2e_fail "the program ended"
e2e_log "navigation ok"
