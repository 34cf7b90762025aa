#!/usr/bin/env bash
# Runs the Win32 test program under Wine as the end-to-end tests run the program: Japanese locale,
# a copy of the prefix template (both made in the work folder by tests/e2e/prepare.sh, no system
# change) and an Xvfb display of its own, all ended afterwards, Wine saying Windows 10 (where dark
# mode exists); then the window-menu test again in an English locale.
# Usage: run_under_wine.sh <program.exe> <work folder> [gtest arguments...]
set -euo pipefail
program=$1
export MIREL_E2E_WORK=$2
shift 2
e2e=$(dirname "$0")/../e2e
bash "$e2e/prepare.sh" >/dev/null
source "$e2e/lib.sh"
e2e_setup
MIREL_EXE=$program e2e_windows_10
# The day icons' picture for the README, drawn by the icon test; kept as
# $MIREL_E2E_WORK/taskbar_icons.png and copied to docs/ with MIREL_UPDATE_DOCS=1.
picture=$MIREL_E2E_WORK/taskbar_icons.bmp
rm -f "$picture"
MIREL_ICON_PICTURE="Z:$picture" e2e_wine_env "$E2E_WINE" "$program" "$@"
if [ -f "$picture" ]; then
  # Three times enlarged, pixel for pixel, so that the 16-pixel icons can be seen.
  convert "$picture" -scale 300% "$MIREL_E2E_WORK/taskbar_icons.png"
  if [ "${MIREL_UPDATE_DOCS:-}" = 1 ]; then
    cp "$MIREL_E2E_WORK/taskbar_icons.png" "$(dirname "$0")/../../docs/taskbar_icons.png"
  fi
fi
# The window menu's Japanese texts must read right where the ANSI code page is not 932: its test
# once more, in an English locale (code page 1252), in the same prefix and display.
if [ $# -eq 0 ]; then
  [ -f "$E2E_LOCPATH/en_US.UTF-8/LC_CTYPE" ] ||
    localedef -i en_US -f UTF-8 "$E2E_LOCPATH/en_US.UTF-8" 2>/dev/null || true
  e2e_wine_env env LC_ALL=en_US.UTF-8 MIREL_EXPECT_ACP=1252 "$E2E_WINE" "$program" \
    --gtest_filter='InstallSysMenu.*'
fi
