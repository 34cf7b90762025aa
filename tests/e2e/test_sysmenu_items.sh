#!/usr/bin/env bash
# The clock's window menu, driven by keyboard: after the four window-state items come カレンダー,
# 表示設定 and バージョン情報, each doing its own work, and right after them (past the
# separator) Close. Move is gone: with it, every item would stand one further down. The open menu
# is kept as $MIREL_E2E_WORK/menu.png (and copied to docs/ with MIREL_UPDATE_DOCS=1).
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
sm_start

sm_open_menu
eval "$(xdotool getwindowgeometry --shell "$SM_MENU_WID")"
menu_x=$X menu_y=$Y menu_w=$WIDTH menu_h=$HEIGHT
eval "$(xdotool getwindowgeometry --shell "$CLOCK_WID")"
# The menu with the clock's caption bar under it.
shot=$E2E_DIR/screen.png
e2e_screenshot "$shot"
right=$((menu_x + menu_w > X + WIDTH ? menu_x + menu_w : X + WIDTH))
bottom=$((menu_y + menu_h > Y + HEIGHT ? menu_y + menu_h : Y + HEIGHT))
convert "$shot" -crop "$((right - menu_x + 8))x$((bottom - menu_y + 8))+$menu_x+$menu_y" +repage \
  "$E2E_WORK/menu.png"
if [ "${MIREL_UPDATE_DOCS:-}" = 1 ]; then
  cp "$E2E_WORK/menu.png" "$MIREL_SOURCE_DIR/docs/menu.png"
fi
xdotool key Escape
sm_wait_gone "$SM_MENU_WID"

sm_choose "$SM_CALENDER"
calendar=$(sm_wait_window '年[0-9]{2}月$')
e2e_log "calendar at $SM_CALENDER"
sm_probe close frmCalender >/dev/null
sm_wait_gone "$calendar"

sm_choose "$SM_DISPLAY_SETTINGS"
box=$(sm_wait_window '^表示設定$')
e2e_log "display settings at $SM_DISPLAY_SETTINGS"
xdotool key Escape
sm_wait_gone "$box"

sm_choose "$SM_VERSION"
dialog=$(sm_wait_window '^バージョン情報$')
e2e_log "version information at $SM_VERSION"
xdotool key Escape
sm_wait_gone "$dialog"

sm_choose "$SM_CLOSE"
e2e_wait_exit "$E2E_PID" || e2e_fail "the item after ours is not Close"
status=$(e2e_exit_status "$E2E_PID")
((status == 0)) || e2e_fail "exit status $status"
e2e_log "menu order ok"
