#!/usr/bin/env bash
# The caption follows the stored pattern when no arguments are given; a command-line pattern
# rules that run only and leaves the store as it was.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

key='HKCU\Software\VB and VBA Program Settings\Mirel\frmMirel'
stored='保存yyyy年mm月dd日'
e2e_reg_add "$key" Format "$stored"

# No arguments: the stored pattern.
e2e_start_mirel
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^保存[0-9]{4}年[0-9]{2}月[0-9]{2}日$' >/dev/null
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$E2E_PID" || e2e_fail "first run did not end"

# A command-line pattern, its words joined by blanks as the platform hands them over.
e2e_start_mirel コマンド hh:nn
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^コマンド [0-9]{2}:[0-9]{2}$' >/dev/null
[ "$(e2e_reg_query "$key" Format)" = "$stored" ] || e2e_fail "the store changed"
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$E2E_PID" || e2e_fail "second run did not end"

# The next start without arguments uses the stored pattern again.
e2e_start_mirel
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^保存[0-9]{4}年' >/dev/null
