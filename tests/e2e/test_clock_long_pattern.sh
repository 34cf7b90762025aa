#!/usr/bin/env bash
# A stored pattern of 1 MiB neither freezes nor delays the clock: the caption shows the
# formatted text within 5 s of the start, and the window closes within 2 s of being asked. The
# command line cannot carry a value that long, so it comes from a UTF-16 .reg file. (That the
# pattern engine takes time in proportion to the pattern is measured by bench_format_length; an
# engine slower than that would hold a 1 MiB pattern for minutes. The limits here leave room for
# a busy machine, where the start alone has taken over 2 s.)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

# A time to recognise, then a run of a token letter and a run of a letter that is no token:
# "yyyy" gives four digits, so the caption is exactly as long as the pattern.
years=524288
plain=$((1048576 - 9 - years))
pattern="hh:nn:ss $(head -c "$years" /dev/zero | tr '\0' y)$(head -c "$plain" /dev/zero | tr '\0' x)"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Mirel\\frmMirel]\r\n'
  printf '"Format"="%s"\r\n' "$pattern"
} | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$E2E_DIR/long.reg"
# A wineserver kept running, so the timings below are the program's and not Wine's start.
"$E2E_WINESERVER" -p
e2e_wine_env "$E2E_WINE" regedit /S "$E2E_DIR/long.reg" >/dev/null 2>&1

millis() { date +%s%3N; }
started=$(millis)
e2e_start_mirel
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}' >/dev/null
shown=$(($(millis) - started))
e2e_log "formatted caption after $shown ms"
((shown <= 5000)) || e2e_fail "the formatted caption took $shown ms"
caption=$(e2e_caption "$wid")
[ "${#caption}" = 1048576 ] || e2e_fail "the caption has ${#caption} characters"
[ "${caption: -plain}" = "${pattern: -plain}" ] || e2e_fail "the caption ends otherwise"

asked=$(millis)
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$E2E_PID" || e2e_fail "the process still runs after Close"
closed=$(($(millis) - asked))
e2e_log "closed after $closed ms"
((closed <= 2000)) || e2e_fail "closing took $closed ms"
