#!/usr/bin/env bash
# バージョン情報 restores the minimised clock, centres it on the screen and shows the version
# dialog over it; Escape closes the dialog and the clock runs on.
# The DLLs the program loads when it needs them (the common controls for the dialog's styled
# button, the DWM library for dark title bars, so the user's choice here is dark mode on Windows
# 10) come from the system, not from the program's folder: copies that say when they are loaded
# lie beside it, and Wine is told to prefer them to its own, as Windows prefers the program's
# folder. (version.dll cannot be tried so: Wine's own user32 imports it, so with that
# preference every program under Wine loads the folder's copy before its first instruction. The
# release test checks that the program does not import it; the Win32 tests try SystemLibrary.)
set -euo pipefail
source "$(dirname "$0")/sysmenu_helpers.sh"
e2e_setup
mkdir -p "$E2E_DIR/app"
cp "${MIREL_EXE:?set by CTest}" "$E2E_DIR/app/Mirel.exe"
MIREL_EXE=$E2E_DIR/app/Mirel.exe
e2e_windows_10
e2e_apps_use_light_theme 0
overrides="mscoree,mshtml=;winemenubuilder.exe=d"
folder_dlls=(comctl32 dwmapi)
for dll in "${folder_dlls[@]}"; do
  cp "${MIREL_E2E_HELPERS:?set by CTest}/dlls/marker.dll" "$E2E_DIR/app/$dll.dll"
  overrides+=";$dll=n,b"
done
E2E_ENV+=("WINEDLLOVERRIDES=$overrides")
sm_launch

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
for dll in "${folder_dlls[@]}"; do
  [ ! -e "$E2E_DIR/app/$dll.dll.loaded" ] || e2e_fail "the $dll.dll beside the program was loaded"
done
before=$(e2e_caption "$CLOCK_WID")
e2e_wait_until 10 eval '[ "$(e2e_caption "$CLOCK_WID")" != "$before" ]' ||
  e2e_fail "the clock stopped"
e2e_log "version ok"
