#!/usr/bin/env bash
# Runs the Win32 test program under Wine: Japanese locale (made with localedef into the work
# folder, no system change), a fresh prefix and its own Xvfb display, both ended afterwards.
# Usage: run_under_wine.sh <program.exe> <work folder> [gtest arguments...]
set -euo pipefail
program=$1
work=$2
shift 2
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

mkdir -p "$work"
if [ ! -f "$work/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$work/locale"
  localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" || [ -f "$work/locale/ja_JP.UTF-8/LC_CTYPE" ]
fi
export WINEPREFIX=$work/prefix
rm -rf "$WINEPREFIX"

xvfb_pid=
cleanup() {
  local status=$?
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  exit "$status"
}
trap cleanup EXIT

: >"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 300); do
  grep -q '[0-9]' "$work/display" && break
  sleep 0.1
done
grep -q '[0-9]' "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")

wine_ja() {
  env LOCPATH="$work/locale" LC_ALL=ja_JP.UTF-8 TZ=Asia/Tokyo WINEDEBUG=-all \
    "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d" "$wine" "$@"
}
# The prefix is made under the Japanese locale, as on a Japanese system, with the Japanese UI
# font mapped to an installed one (as the end-to-end tests have it).
wine_ja wineboot -i >/dev/null 2>&1
cat >"$work/prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="Noto Sans CJK JP"
REG
wine_ja regedit /S "$work/prefix.reg" >/dev/null 2>&1
wine_ja "$program" "$@"
