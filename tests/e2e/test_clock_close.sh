#!/usr/bin/env bash
# Closing the clock window ends the process with exit status 0: alone, with the calendar window
# open (which closes with it), and with the input box or the version dialog open.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
cal_setup

# The clock alone: it starts minimised and active; Alt+F4 is the window menu's Close.
e2e_start_mirel hh:nn:ss
wid=$(e2e_wait_window "$E2E_PID")
e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' >/dev/null
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$E2E_PID" || e2e_fail "the process still runs after Close"
status=$(e2e_exit_status "$E2E_PID")
[ "$status" = 0 ] || e2e_fail "exit status $status"

# With the calendar open: both windows go and the process ends.
cal_start_and_open
cal_probe close frmMirel >/dev/null || e2e_fail "no clock window to close"
e2e_wait_exit "$E2E_PID" || e2e_fail "the process still runs after the clock closed"
status=$(e2e_exit_status "$E2E_PID")
[ "$status" = 0 ] || e2e_fail "exit status $status with the calendar open"

# With the input box or the version dialog open (closed by another program, or the session
# ending): the dialog goes as if cancelled and nothing is stored.
settings='HKCU\Software\VB and VBA Program Settings\Mirel\frmMirel'
for command in 100 102; do
  e2e_start_mirel hh:nn:ss
  e2e_wait_window "$E2E_PID" >/dev/null
  cal_probe syscommand frmMirel "$command" >/dev/null
  e2e_wait_until "$E2E_TIMEOUT" eval \
    '[ -n "$(xdotool search --all --onlyvisible --pid "$E2E_PID" --name "^(表示設定|バージョン情報)$")" ]' ||
    e2e_fail "command $command showed no dialog"
  [ "$command" != 100 ] || xdotool type 'yyyy'
  cal_probe close frmMirel >/dev/null
  e2e_wait_exit "$E2E_PID" || e2e_fail "the process still runs after closing over command $command"
  status=$(e2e_exit_status "$E2E_PID")
  [ "$status" = 0 ] || e2e_fail "exit status $status after closing over command $command"
done
! e2e_reg_query "$settings" Format >/dev/null || e2e_fail "closing over the input box stored a pattern"
