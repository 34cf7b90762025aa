#!/usr/bin/env bash
# Helpers of the calendar's end-to-end tests, on top of lib.sh. The calendar is opened the way
# the clock's window menu does it: the system command 101 posted to the clock window.
#
#   source "$(dirname "$0")/calendar_helpers.sh"
#   cal_setup [DAYOFF_TEXT]        # e2e_setup + a copy of the program with DayOff.dat beside it
#   cal_open                       # starts the program, opens the calendar; sets CAL_WID
#   cal_probe client frmCalender   # window_probe under Wine

source "$(dirname "$0")/lib.sh"

CAL_PROBE=${MIREL_E2E_HELPERS:?set by CTest}/window_probe.exe
CAL_CAPTION_REGEX='^[0-9]{4}年[0-9]{2}月$'
CAL_GRID_ID=100
CAL_PREV_ID=101
CAL_NEXT_ID=102
# Where the calendar keeps its settings, for the program named Mirel.exe.
CAL_KEY='HKCU\Software\VB and VBA Program Settings\Mirel\frmCalender'

cal_today() { TZ="${E2E_TZ:-Asia/Tokyo}" date "$@"; }

# "yyyy年mm月" of the month `offset` months away from the current one.
cal_month_caption() {
  python3 - "$1" "$(cal_today +%Y)" "$(cal_today +%m)" <<'PY'
import sys
offset, year, month = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
index = year * 12 + month - 1 + offset
print(f"{index // 12:04d}年{index % 12 + 1:02d}月")
PY
}

cal_setup() {
  e2e_setup
  mkdir -p "$E2E_DIR/app"
  cp "${MIREL_EXE:?set by CTest}" "$E2E_DIR/app/Mirel.exe"
  MIREL_EXE=$E2E_DIR/app/Mirel.exe
  if [ $# -gt 0 ]; then
    printf '%s' "$1" | iconv -f UTF-8 -t CP932 >"$E2E_DIR/app/DayOff.dat"
  fi
}

cal_probe() { e2e_wine_env "$E2E_WINE" "$CAL_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

cal_find_calendar() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name '年[0-9]{2}月$' 2>/dev/null | head -n 1
}

# The grid's rectangle on the screen, into gx gy gw gh.
cal_grid() {
  read -r gx gy gw gh <<<"$(cal_probe child frmCalender "$CAL_GRID_ID")"
  [ -n "${gh:-}" ] || e2e_fail "no grid"
}

# Posts the calendar command to the clock until the calendar window shows; sets CAL_WID.
cal_open() {
  local deadline=$((SECONDS + E2E_TIMEOUT))
  CAL_WID=
  until CAL_WID=$(cal_find_calendar) && [ -n "$CAL_WID" ]; do
    ((SECONDS < deadline)) || e2e_fail "the calendar did not open"
    cal_probe syscommand frmMirel 101 >/dev/null || true
    sleep 0.3
  done
  e2e_wait_caption "$CAL_WID" "$CAL_CAPTION_REGEX" >/dev/null
}

cal_start_and_open() {
  e2e_start_mirel
  CLOCK_WID=$(e2e_wait_window "$E2E_PID")
  cal_open
}

# Waits for the calendar caption to become `expected`.
cal_expect_caption() {
  local caption
  caption=$(e2e_wait_caption "$CAL_WID" "^$1\$" 10) || e2e_fail "caption is not $1"
  e2e_log "caption: $caption"
}

# Clicks the centre of the child control `id` of the calendar.
cal_click_child() {
  local x y w h
  read -r x y w h <<<"$(cal_probe child frmCalender "$1")"
  [ -n "${h:-}" ] || e2e_fail "no child $1"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

# Closes the calendar and waits until it is gone.
cal_close() {
  cal_probe close frmCalender >/dev/null
  e2e_wait_until 10 eval '[ -z "$(cal_find_calendar)" ]' || e2e_fail "the calendar did not close"
}

# Keeps the calendar window of the screenshot `png` as $MIREL_E2E_WORK/`name`.png, the README's
# picture, and with MIREL_UPDATE_DOCS=1 as docs/`name`.png too.
cal_keep_picture() {  # png name
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$CAL_WID")"
  convert "$1" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$E2E_WORK/$2.png"
  if [ "${MIREL_UPDATE_DOCS:-}" = 1 ]; then
    mkdir -p "$MIREL_SOURCE_DIR/docs"
    cp "$E2E_WORK/$2.png" "$MIREL_SOURCE_DIR/docs/$2.png"
  fi
}

# The grid of the screenshot `png` (cal_grid read first) as the picture `out`.
cal_grid_picture() { convert "$1" -crop "${gw}x${gh}+${gx}+${gy}" +repage "$2"; }

# Pixels of a `kind` (see cal_count; red unless given) in the number of the cell at column `col`
# (1..7) and row `row` (2..7, the heading being row 1) of the grid read by cal_grid, in the
# screenshot `png`.
cal_red_number() {  # png col row [kind]
  local cw=$((gw / 7)) ch=$((gh / 7))
  cal_count "$1" "${4:-red}" $((gx + ($2 - 1) * gw / 7 + 2)) $((gy + ($3 - 1) * gh / 7 + 2)) \
    $((cw - 4)) $((ch / 2 + 2))
}

# Fails unless the holiday's number is red (or of `kind`) and the plain day's has none of it;
# says what it saw.
cal_expect_red_holiday() {  # png holCol holRow plainCol plainRow what [kind]
  local holiday plain
  holiday=$(cal_red_number "$1" "$2" "$3" "${7:-red}")
  plain=$(cal_red_number "$1" "$4" "$5" "${7:-red}")
  e2e_log "$6: holiday $holiday ${7:-red} pixels, plain day $plain"
  ((holiday >= 5 && plain == 0)) || e2e_fail "$6: the holiday is not drawn ${7:-red}"
}

# The -fx test of a pixel that is pure enough red / blue / white, dark, a mid grey (the secondary
# text's), or whose red or blue leads the other channels (the dark palette's lightened hues).
cal_fx() {
  case $1 in
    red) echo 'r>0.75&&g<0.25&&b<0.25' ;;
    blue) echo 'b>0.75&&r<0.25&&g<0.25' ;;
    white) echo 'r>0.9&&g>0.9&&b>0.9' ;;
    dark) echo 'r<0.2&&g<0.2&&b<0.2' ;;
    grey) echo 'abs(r-g)<0.08&&abs(g-b)<0.08&&r>0.1&&r<0.8' ;;
    reddish) echo 'r>g+0.2&&r>b+0.2' ;;
    bluish) echo 'b>r+0.2&&b>g+0.2' ;;
  esac
}

# Pixels of `png` of a kind (see cal_fx) in the box w x h at (x, y).
cal_count() {  # png kind x y w h
  convert "$1" -crop "$5x$6+$3+$4" +repage -fx "$(cal_fx "$2")" -format '%[fx:round(mean*w*h)]' info:
}

# Open the context menu by `command...`, wait for it (one more window of the program) and run
# its item number `item`: each Down moves to the next item, Return runs it.
cal_use_menu() {  # item command...
  local item=$1 before
  shift
  before=$(xdotool search --onlyvisible --pid "$E2E_PID" | wc -l)
  "$@"
  e2e_wait_until 10 eval '(($(xdotool search --onlyvisible --pid "$E2E_PID" | wc -l) > before))' ||
    e2e_fail "no context menu after: $*"
  for ((; item > 0; item--)); do xdotool key Down; done
  xdotool key Return
}

# Fails unless the calendar's value `name` becomes `want` within 10 seconds.
cal_expect_stored() {  # name want
  local name=$1 want=$2 key=$CAL_KEY
  e2e_wait_until 10 eval '[ "$(e2e_reg_query "$key" "$name")" = "$want" ]' ||
    e2e_fail "$name is '$(e2e_reg_query "$key" "$name" || true)', not '$want'"
  e2e_log "stored $name: $want"
}
