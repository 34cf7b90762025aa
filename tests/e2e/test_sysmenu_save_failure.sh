#!/usr/bin/env bash
# 表示設定 when the pattern cannot be stored: a message box says so, the clock shows the new
# pattern for this run all the same, and the program keeps running. The store is made unwritable
# by a volatile key where the program's settings key would go.
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
sm_start
e2e_wine_env "$E2E_WINE" "$MIREL_E2E_HELPERS/volatile_key.exe" \
  'Software\VB and VBA Program Settings\Mirel' || e2e_fail "no volatile key"

sm_choose "$SM_DISPLAY_SETTINGS"
box=$(sm_wait_window '^表示設定$')
xdotool type --delay 20 '"kept" hh:nn:ss'
xdotool key Return
sm_wait_gone "$box"
warning=$(sm_wait_window '^Mirel$')
e2e_wait_caption "$CLOCK_WID" '^kept [0-9]{2}:[0-9]{2}:[0-9]{2}$' 10 >/dev/null
e2e_log "told, and the pattern is in use"

xdotool key Return # the message box's OK
sm_wait_gone "$warning"
sm_caption_holds '^kept [0-9]{2}:[0-9]{2}:[0-9]{2}$' 1
e2e_running "$E2E_PID" || e2e_fail "the program ended"
if value=$(e2e_reg_query "$SM_KEY" Format); then
  e2e_fail "stored '$value' after all"
fi
e2e_log "save failure ok"
