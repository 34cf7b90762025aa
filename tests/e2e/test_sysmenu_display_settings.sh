#!/usr/bin/env bash
# 表示設定: Cancel and an empty OK change neither the caption nor the stored pattern; a typed
# pattern is stored and shows in the caption within a second, and the next start uses it. The
# line under the field shows the clock's pattern while nothing is typed, then the typed pattern
# applied to the current time, as mirel-format gives it for the same minute.
# The typed pattern is ASCII: xdotool types other characters by remapping a spare key for each,
# which a busy Wine may read after the next remapping (Japanese storage is covered by the
# clock's own tests, which store Japanese and read it back).
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
stored='保存hh:nn'
e2e_setup
e2e_reg_add "$SM_KEY" Format "$stored"
e2e_start_mirel
CLOCK_WID=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$CLOCK_WID" '^保存[0-9]{2}:[0-9]{2}$' >/dev/null

unchanged() {
  sm_caption_holds '^保存[0-9]{2}:[0-9]{2}$' 2
  [ "$(e2e_reg_query "$SM_KEY" Format)" = "$stored" ] || e2e_fail "$1 changed the store"
}

# The preview line (control 102 of the box, clock/input_box_win.h) and the Windows mirel-format
# of this build, which reads the pattern as the program does.
preview() { sm_probe text '#32770' 102; }
formatter=$(dirname "$MIREL_EXE")/../tools/mirel-format.exe
format_at() {  # time pattern
  e2e_wine_env "$E2E_WINE" "$formatter" --at "$1" "$2" 2>/dev/null | tr -d '\r'
}
local_now() { TZ=${E2E_TZ:-Asia/Tokyo} date +%Y-%m-%dT%H:%M:%S; }
# The preview shows `pattern` at the minute read before or after it (which may have turned over).
preview_shows() {  # pattern
  local before after line
  before=$(local_now)
  line=$(preview)
  after=$(local_now)
  [ "$line" = "表示例: $(format_at "$before" "$1")" ] ||
    [ "$line" = "表示例: $(format_at "$after" "$1")" ]
}

# The preview, then Cancel after typing.
sm_choose "$SM_DISPLAY_SETTINGS"
box=$(sm_wait_window '^表示設定$')
e2e_wait_until 10 preview_shows "$stored" || e2e_fail "the preview shows '$(preview)' for nothing typed"
typed='ggge/m/d(aaa) hh:nn'
xdotool type --delay 20 "$typed"
e2e_wait_until 10 preview_shows "$typed" || e2e_fail "the preview shows '$(preview)' for '$typed'"
e2e_log "preview: $(preview)"
xdotool key Escape
sm_wait_gone "$box"
unchanged Cancel

# OK with nothing typed.
sm_choose "$SM_DISPLAY_SETTINGS"
box=$(sm_wait_window '^表示設定$')
xdotool key Return
sm_wait_gone "$box"
unchanged "an empty OK"

# A pattern typed and confirmed with Enter.
pattern='"at" yyyy-mm-dd hh:nn:ss'
sm_choose "$SM_DISPLAY_SETTINGS"
box=$(sm_wait_window '^表示設定$')
xdotool type --delay 20 "$pattern"
xdotool key Return
start=$(sm_now_ms)
e2e_wait_caption "$CLOCK_WID" '^at [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$' 10 >/dev/null
elapsed=$(($(sm_now_ms) - start))
e2e_log "caption in the new pattern after ${elapsed} ms"
((elapsed <= ${SM_CAPTION_LIMIT_MS:-1000})) || e2e_fail "the caption took ${elapsed} ms"
value=$(e2e_reg_query "$SM_KEY" Format) || e2e_fail "nothing stored"
[ "$value" = "$pattern" ] || e2e_fail "stored '$value', typed '$pattern'"

# The next start without arguments reads it back.
xdotool key --clearmodifiers alt+F4 # the clock is still the active window
e2e_wait_exit "$E2E_PID" || e2e_fail "the clock did not close"
e2e_start_mirel
CLOCK_WID=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$CLOCK_WID" '^at [0-9]{4}-' >/dev/null
e2e_log "display settings ok"
