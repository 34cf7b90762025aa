#!/usr/bin/env bash
# バージョン情報 restores the minimised clock, centres it on the screen and shows the version
# dialog over it; Escape closes the dialog and the clock runs on.
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
sm_start

minimised=$(xdotool getwindowgeometry --shell "$CLOCK_WID" | tr '\n' ' ')
sm_choose "$SM_VERSION"
dialog=$(sm_wait_window '^バージョン情報$')

eval "$(xdotool getwindowgeometry --shell "$CLOCK_WID")"
e2e_log "clock before: $minimised; now at $X,$Y size ${WIDTH}x$HEIGHT"
((HEIGHT > 25 && WIDTH != 160)) || e2e_fail "the clock is still minimised"
# The Xvfb screen is 1024 x 768; a pixel is 15 twips, so halving whole twips may lose a pixel.
within_one() { (($1 - $2 <= 1 && $2 - $1 <= 1)); }
within_one $((2 * X)) $((1024 - WIDTH)) || e2e_fail "left $X is not centred for width $WIDTH"
within_one $((2 * Y)) $((768 - HEIGHT)) || e2e_fail "top $Y is not centred for height $HEIGHT"

xdotool key Escape
sm_wait_gone "$dialog"
before=$(e2e_caption "$CLOCK_WID")
e2e_wait_until 10 eval '[ "$(e2e_caption "$CLOCK_WID")" != "$before" ]' ||
  e2e_fail "the clock stopped"
e2e_log "version ok"
