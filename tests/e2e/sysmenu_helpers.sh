#!/usr/bin/env bash
# Helpers of the window-menu end-to-end tests, on top of lib.sh. The menu is driven as a user
# does it with the keyboard: the clock window is activated by a click on its caption (it starts
# minimised, as a caption bar at the bottom left), Alt+Space opens its window menu with the first
# item highlighted, Down moves down one item (separators are skipped, greyed items are not) and
# Return chooses. Wine appends its own items at the bottom, so nothing counts from there.
#
#   source "$(dirname "$0")/sysmenu_helpers.sh"
#   sm_start                       # e2e_setup + the program; sets CLOCK_WID (sm_launch: the program)
#   sm_choose 5                    # the item five Down presses below the first one
#   box=$(sm_wait_window '^表示設定$')

source "$(dirname "$0")/lib.sh"

# Positions below the first item: 元のサイズに戻す, サイズ変更, アイコン化, 最大化, then ours.
# With Move still there, each would be one further down.
SM_CALENDER=4
SM_DISPLAY_SETTINGS=5
SM_VERSION=6
SM_CLOSE=7 # after the separator
SM_KEY='HKCU\Software\VB and VBA Program Settings\Mirel\frmMirel'
SM_PROBE=${MIREL_E2E_HELPERS:?set by CTest}/window_probe.exe

sm_probe() { e2e_wine_env "$E2E_WINE" "$SM_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

sm_now_ms() { date +%s%3N; }

sm_start() {
  e2e_setup
  sm_launch "$@"
}

# The program of MIREL_EXE in the test's prefix, after e2e_setup; sets CLOCK_WID.
sm_launch() {
  e2e_start_mirel "$@"
  CLOCK_WID=$(e2e_wait_window "$E2E_PID")
  # The first tick replaces the design caption: the load sequence is over.
  e2e_wait_until "$E2E_TIMEOUT" sm_caption_is_not 'カレンダー' || e2e_fail "the clock does not tick"
}

sm_caption_is_not() { [ "$(e2e_caption "$CLOCK_WID")" != "$1" ]; }

# Visible windows of the program whose name matches the extended regex, one X id a line.
sm_windows() {
  local wid
  for wid in $(xdotool search --all --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
    [[ $(xdotool getwindowname "$wid" 2>/dev/null) =~ $1 ]] && echo "$wid"
  done
  return 0
}

# Waits for a visible window of the program named after the regex; prints its X id.
sm_wait_window() {
  local regex=$1 seconds=${2:-$E2E_TIMEOUT} wid=
  local deadline=$((SECONDS + seconds))
  until wid=$(sm_windows "$regex" | head -n 1) && [ -n "$wid" ]; do
    ((SECONDS < deadline)) || e2e_fail "no window named '$regex' after ${seconds}s"
    sleep 0.1
  done
  echo "$wid"
}

sm_visible() { xdotool search --all --onlyvisible --pid "$E2E_PID" 2>/dev/null | grep -qx "$1"; }
sm_hidden() { ! sm_visible "$1"; }
sm_wait_gone() {
  e2e_wait_until "$E2E_TIMEOUT" sm_hidden "$1" || e2e_fail "window $1 did not close"
}

# The open popup menu: a visible window of the program without a name, other than the clock.
sm_menu() { sm_windows '^$' | grep -vx "$CLOCK_WID" | head -n 1; }

# Clicks the middle of the clock's caption (the minimised bar or the restored frame), away from
# the icon, which would open the menu with nothing highlighted.
sm_activate_clock() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$CLOCK_WID")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1
}

# Opens the clock's window menu by keyboard; sets SM_MENU_WID. A click or key the busy machine
# lost is given again after a while.
sm_open_menu() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  SM_MENU_WID=
  while [ -z "$SM_MENU_WID" ]; do
    ((SECONDS < deadline)) || e2e_fail "the window menu did not open"
    sm_activate_clock
    xdotool key --clearmodifiers alt+space
    local attempt=$((SECONDS + 5))
    until SM_MENU_WID=$(sm_menu) && [ -n "$SM_MENU_WID" ]; do
      ((SECONDS < attempt)) || break
      sleep 0.1
    done
  done
}

# Chooses the item `downs` Down presses below the first one and waits for the menu to close.
sm_choose() {
  local downs=$1 keys=()
  for ((i = 0; i < downs; i++)); do keys+=(Down); done
  sm_open_menu
  xdotool key "${keys[@]}" Return
  sm_wait_gone "$SM_MENU_WID"
}

# Fails unless the clock's caption matches the regex during all of the next `seconds` (two
# ticks are one second): a change that should not happen is given the time to show.
sm_caption_holds() {
  local regex=$1 seconds=$2 caption
  local end=$(($(sm_now_ms) + seconds * 1000))
  while (($(sm_now_ms) < end)); do
    caption=$(e2e_caption "$CLOCK_WID")
    [[ $caption =~ $regex ]] || e2e_fail "caption '$caption' no longer matches '$regex'"
    sleep 0.1
  done
}
