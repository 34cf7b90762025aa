#!/usr/bin/env bash
# Helpers shared by the end-to-end tests. Each test gets its own copy of the prefix template, its
# own Xvfb display and a cleanup trap that ends only what the test started: the processes whose
# PIDs it recorded, the wineserver of its own prefix, its Xvfb. Every wait polls with a timeout;
# the timeouts are generous because the machine may be busy.
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_setup                      # prefix + display; exports WINEPREFIX and DISPLAY
#   e2e_start_mirel 'hh:nn'        # the program under test, in the Japanese locale
#   wid=$(e2e_wait_window "$E2E_PID")
#   e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}$'
#   e2e_icons "$wid"               # the window's icons as X has them

# The Wine that runs the program under test (CTest sets it: wine64 for the 64-bit build, the
# 32-bit wine for the 32-bit one) and the one that makes prefixes: a prefix made by wine64 where
# the 32-bit Wine is installed runs both kinds of program.
E2E_WINE=${E2E_WINE:-/usr/lib/wine/wine64}
E2E_WINE64=/usr/lib/wine/wine64
E2E_ARCH=${MIREL_E2E_ARCH:-win64}
E2E_WINESERVER=${E2E_WINESERVER:-/usr/lib/wine/wineserver}
E2E_WORK=${MIREL_E2E_WORK:-${TMPDIR:-/tmp}/mirel-e2e}
E2E_LOCPATH=$E2E_WORK/locale
E2E_TEMPLATE=$E2E_WORK/prefix-template
E2E_TIMEOUT=${E2E_TIMEOUT:-90}  # seconds for anything to appear or end, even on a busy machine

# The locale is set on Wine commands only: exported, it would turn bash's own messages Japanese.
# Wine's error messages go to the test's wine.log, which a failing test keeps.
E2E_ENV=(env "LOCPATH=$E2E_LOCPATH" LC_ALL=ja_JP.UTF-8 TZ="${E2E_TZ:-Asia/Tokyo}" WINEDEBUG="${E2E_WINEDEBUG:-err+all}"
  "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d")
E2E_PIDS=()
E2E_XVFB_PID=
E2E_DIR=

e2e_wine_env() { "${E2E_ENV[@]}" "$@"; }

e2e_log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }
e2e_fail() {
  e2e_log "FAIL: $*"
  exit 1
}

# Polls `command...` every 0.1 s until it succeeds; fails after `seconds`.
e2e_wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

e2e_setup() {
  [ -f "$E2E_TEMPLATE/.mirel-template" ] || e2e_fail "no prefix template; run prepare.sh first"
  mkdir -p "$E2E_WORK"
  E2E_DIR=$(mktemp -d "$E2E_WORK/run.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  cp -a "$E2E_TEMPLATE" "$E2E_DIR/prefix"
  export WINEPREFIX=$E2E_DIR/prefix
  e2e_start_xvfb
}

e2e_start_xvfb() {
  local file=$E2E_DIR/display
  : >"$file"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$file" 2>"$E2E_DIR/xvfb.log" &
  E2E_XVFB_PID=$!
  e2e_wait_until "$E2E_TIMEOUT" grep -q '[0-9]' "$file" || e2e_fail "Xvfb did not start"
  DISPLAY=:$(head -n 1 "$file")
  export DISPLAY
}

# Starts the program under test with `args` as its command line and sets E2E_PID to the wine64
# PID, which is also the _NET_WM_PID of its windows. Not to be called in $(...): the test's own
# shell must be the parent to `wait` for the exit status.
e2e_start_mirel() {
  "${E2E_ENV[@]}" "$E2E_WINE" "${MIREL_EXE:?set by CTest}" "$@" >>"$E2E_DIR/wine.log" 2>&1 &
  E2E_PID=$!
  echo "$E2E_PID" >>"$E2E_DIR/pids"
}

# The first visible window of process `pid`; prints its X id.
e2e_find_window() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1; }
e2e_wait_window() {
  local pid=$1 seconds=${2:-$E2E_TIMEOUT} wid=
  local deadline=$((SECONDS + seconds))
  until wid=$(e2e_find_window "$pid") && [ -n "$wid" ]; do
    ((SECONDS < deadline)) || e2e_fail "no window of process $pid after ${seconds}s"
    e2e_running "$pid" || e2e_fail "process $pid ended without showing a window"
    sleep 0.1
  done
  echo "$wid"
}

e2e_caption() { xdotool getwindowname "$1" 2>/dev/null; }

# Waits until the caption of window `wid` matches the extended regex; prints it.
e2e_wait_caption() {
  local wid=$1 regex=$2 seconds=${3:-$E2E_TIMEOUT} caption=
  local deadline=$((SECONDS + seconds))
  until caption=$(e2e_caption "$wid") && [[ $caption =~ $regex ]]; do
    ((SECONDS < deadline)) || e2e_fail "caption '$caption' does not match '$regex'"
    sleep 0.05
  done
  echo "$caption"
}

e2e_running() { kill -0 "$1" 2>/dev/null; }
e2e_wait_exit() {
  local pid=$1 seconds=${2:-$E2E_TIMEOUT}
  e2e_wait_until "$seconds" eval "! kill -0 $pid 2>/dev/null"
}

# The exit status of a process this shell started and that has ended.
e2e_exit_status() {
  local status=0
  wait "$1" || status=$?
  echo "$status"
}

# Registry of the test's prefix. Values are UTF-8 here; reg prints CP932 with CRLF.
e2e_reg_add() {  # key value data [type, REG_SZ unless given]
  e2e_wine_env "$E2E_WINE" reg add "$1" /v "$2" /t "${4:-REG_SZ}" /d "$3" /f >/dev/null 2>&1
}
e2e_reg_delete() {  # key value
  e2e_wine_env "$E2E_WINE" reg delete "$1" /v "$2" /f >/dev/null 2>&1
}
e2e_reg_query() {  # key value: prints the data, fails when the value is missing
  local out
  out=$(e2e_wine_env "$E2E_WINE" reg query "$1" /v "$2" 2>/dev/null | iconv -f CP932 -t UTF-8 |
    tr -d '\r') || return 1
  printf '%s\n' "$out" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | head -n 1
  printf '%s\n' "$out" | grep -q "REG_"
}

# The program's wall clock starts at `when` (a local time of the test's zone, as date -d reads it)
# and runs on from there: the clock shim fake_time.c, built by prepare.sh for the program's kind,
# is preloaded into its Wine process, whose PID stays the windows' PID. Call before starting it.
e2e_fake_time() {
  local epoch
  epoch=$(e2e_epoch "$1") || e2e_fail "no time: $1"
  e2e_preload_clock_shim
  E2E_ENV+=("MIREL_FAKE_EPOCH=$epoch")
}

# The same with a clock the test moves while the program runs: e2e_fake_time_jump makes it jump
# (within 50 ms of the program's next reading), as a change of the system time would. The
# instants are kept in $E2E_EPOCH_FILE, a file the shim watches. Call after e2e_setup and before
# starting the program; start the wineserver first ("$E2E_WINESERVER" -p), so that its own clock
# stays the real one.
e2e_fake_time_file() {
  e2e_preload_clock_shim
  E2E_EPOCH_FILE=$E2E_DIR/epoch
  e2e_fake_time_jump "$1"
  E2E_ENV+=("MIREL_FAKE_EPOCH_FILE=$E2E_EPOCH_FILE")
}
e2e_fake_time_jump() { e2e_epoch "$1" >"$E2E_EPOCH_FILE" || e2e_fail "no time: $1"; }

# Seconds since 1970 of a local time of the test's zone, as date -d reads it.
e2e_epoch() { TZ=${E2E_TZ:-Asia/Tokyo} date -d "$1" +%s; }

e2e_preload_clock_shim() {
  local bits
  bits=$([ "$E2E_ARCH" = win32 ] && echo 32 || echo 64)
  [ -f "$E2E_WORK/fake_time$bits.so" ] || e2e_fail "no $E2E_WORK/fake_time$bits.so; run prepare.sh"
  E2E_ENV+=("LD_PRELOAD=$E2E_WORK/fake_time$bits.so")
}

# The icons of window `wid` as Wine hands them to X (_NET_WM_ICON, which a window manager's
# taskbar shows): one line per icon, "size, size, argb, ..." in decimal, as the window has them.
e2e_icons() {
  xprop -id "$1" -notype -f _NET_WM_ICON 32c _NET_WM_ICON 2>/dev/null |
    sed -n 's/^_NET_WM_ICON = //p' |
    awk -F', ' '{ for (i = 1; i < NF; i += 2 + $i * $(i + 1)) {
                    line = $i; for (j = i + 1; j < i + 2 + $i * $(i + 1); j++) line = line ", " $j
                    print line } }'
}

# Wine tells the program under test it runs on Windows 10 (build 18362) instead of its default
# Windows 7, for what only Windows 10 offers (dark mode). Call before starting it.
e2e_windows_10() {
  e2e_reg_add "HKCU\\Software\\Wine\\AppDefaults\\$(basename "${MIREL_EXE:?}")" Version win10 ||
    e2e_fail "cannot set the Windows version"
}

# The user's choice of dark (0) or light (1) mode for apps.
e2e_apps_use_light_theme() {
  e2e_reg_add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    AppsUseLightTheme "$1" REG_DWORD || e2e_fail "cannot set AppsUseLightTheme"
}

e2e_screenshot() { import -display "$DISPLAY" -window root "$1"; }

e2e_cleanup() {
  local status=$?
  set +e
  if ((status != 0)) && [ -n "$E2E_DIR" ] && [ -n "${DISPLAY:-}" ]; then
    mkdir -p "$E2E_WORK/failures"
    local name
    name=$(basename "$0" .sh)
    e2e_screenshot "$E2E_WORK/failures/$name.png" 2>/dev/null
    [ -f "$E2E_DIR/wine.log" ] && cp "$E2E_DIR/wine.log" "$E2E_WORK/failures/$name.log"
    [ -s "$E2E_DIR/xvfb.log" ] && cp "$E2E_DIR/xvfb.log" "$E2E_WORK/failures/$name.xvfb.log"
  fi
  if [ -f "$E2E_DIR/pids" ]; then
    while read -r pid; do
      if ((status != 0)) && ! kill -0 "$pid" 2>/dev/null; then
        e2e_log "process $pid had ended with status $(e2e_exit_status "$pid")"
      fi
      kill "$pid" 2>/dev/null
    done <"$E2E_DIR/pids"
  fi
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    "$E2E_WINESERVER" -k 2>/dev/null
    "$E2E_WINESERVER" -w 2>/dev/null
  fi
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  [ -n "$E2E_DIR" ] && [ -z "${E2E_KEEP:-}" ] && rm -rf "$E2E_DIR"
  exit "$status"
}
