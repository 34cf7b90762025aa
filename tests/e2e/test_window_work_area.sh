#!/usr/bin/env bash
# On a 1024 x 768 screen (no taskbar under Wine here: the work area is the whole screen) every
# window lies wholly on it at 96, 144 and 192 dpi, and the clock's icons have the sizes of the
# DPI. At 96 dpi the calendar and the restored clock keep their design places; at higher DPIs the
# design places reach past the right and bottom edges, and the windows move in just far enough
# to touch them, keeping their sizes. A stored calendar place that reaches past the screen (it
# was stored on a larger one) is pulled inside, and the version dialog and the clock it centres
# lie on the screen.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
cal_setup
key='HKCU\Software\VB and VBA Program Settings\Mirel\frmCalender'
screen_width=1024
screen_height=768

window_rect() {  # X id: prints "left top width height" of the window with its frame
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Fails unless the window `wid` lies on the screen; with "flush", also unless it touches the
# right and bottom edges: moved no further than needed.
expect_on_screen() {  # name wid [flush]
  local x y w h
  read -r x y w h <<<"$(window_rect "$2")"
  e2e_log "$1 window: $x $y $w $h"
  ((x >= 0 && y >= 0 && x + w <= screen_width && y + h <= screen_height)) ||
    e2e_fail "$1 window $x $y $w $h is not wholly on the screen"
  if [ "${3:-}" = flush ]; then
    ((x + w == screen_width && y + h == screen_height)) ||
      e2e_fail "$1 window $x $y $w $h moved further than needed"
  fi
}

expect_client() {  # class expected
  local client
  client=$(cal_probe client "$1")
  e2e_log "$1 client area: $client"
  [ "$client" = "$2" ] || e2e_fail "$1 client area '$client', expected '$2'"
}

version_dialog() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name '^バージョン情報$' 2>/dev/null |
    head -n 1
}

restore_clock() {
  local minimised
  minimised=$(window_rect "$CLOCK_WID")
  cal_probe syscommand frmMirel 61728 >/dev/null # SC_RESTORE
  e2e_wait_until "$E2E_TIMEOUT" eval '[ "$(window_rect "$CLOCK_WID")" != "$minimised" ]' ||
    e2e_fail "the clock was not restored"
  sleep 0.3 # the restore may come in more than one step
}

# The DPI is read when the wineserver starts; the stored calendar place is removed, so the
# calendar opens at its design place. One server then runs until the program has ended: a
# program started while the server of the registry commands shuts down can end at once.
use_dpi() {
  e2e_wine_env "$E2E_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$1" /f >/dev/null 2>&1
  e2e_wine_env "$E2E_WINE" reg delete "$key" /f >/dev/null 2>&1 || true
  "$E2E_WINESERVER" -k 2>/dev/null || true
  "$E2E_WINESERVER" -w 2>/dev/null || true
  "$E2E_WINESERVER" -p
}

close_program() {
  cal_probe close frmMirel >/dev/null
  e2e_wait_exit "$E2E_PID" || e2e_fail "the program did not end"
  wait "$E2E_PID" || true
}

# The sizes of the clock's icons as X has them, the big one first.
icon_sizes() { e2e_icons "$CLOCK_WID" | cut -d, -f1 | tr '\n' ' '; }

for dpi in 96 144 192; do
  e2e_log "--- $dpi dpi"
  use_dpi "$dpi"
  cal_start_and_open
  # The day icons are drawn at the sizes of the DPI: 32 and 16 pixels at 96 dpi.
  sizes="$((dpi / 3)) $((dpi / 6)) "
  e2e_wait_until 10 eval '[ "$(icon_sizes)" = "$sizes" ]' ||
    e2e_fail "icons of $(icon_sizes)pixels at $dpi dpi"
  restore_clock
  if ((dpi == 96)); then
    expect_client frmCalender "745 532 235 179"
    expect_client frmMirel "455 418 107 50"
    expect_on_screen calendar "$CAL_WID"
    expect_on_screen clock "$CLOCK_WID"

    # Stored while the screen was larger: client area at 933, 600 and 300 x 200 pixels.
    cal_close
    e2e_reg_add "$key" Left 14000
    e2e_reg_add "$key" Top 9000
    e2e_reg_add "$key" Width 4500
    e2e_reg_add "$key" Height 3000
    cal_open
    expect_on_screen "stored calendar" "$CAL_WID" flush
    read -r _ _ width height <<<"$(cal_probe client frmCalender)"
    [ "$width $height" = "300 200" ] || e2e_fail "the stored size became $width x $height"
  else
    expect_on_screen calendar "$CAL_WID" flush
    if ((dpi == 144)); then
      expect_client frmMirel "683 627 161 75" # its design place fits
      expect_on_screen clock "$CLOCK_WID"
    else
      expect_on_screen clock "$CLOCK_WID" flush
      # The version command centres the clock and shows its dialog over it.
      cal_probe syscommand frmMirel 102 >/dev/null
      e2e_wait_until "$E2E_TIMEOUT" eval '[ -n "$(version_dialog)" ]' ||
        e2e_fail "no version dialog"
      expect_on_screen "version dialog" "$(version_dialog)"
      expect_on_screen "centred clock" "$CLOCK_WID"
      cal_probe close '#32770' >/dev/null
      e2e_wait_until 10 eval '[ -z "$(version_dialog)" ]' || e2e_fail "the dialog did not close"
    fi
  fi
  close_program
done
e2e_log "work area ok"
