#!/usr/bin/env bash
# With nothing stored and no arguments the caption is the general form: the short date, then
# the time, in the user's (Japanese) locale. Until the first tick it is the design caption.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

key='HKCU\Software\VB and VBA Program Settings\Mirel\frmMirel'
! e2e_reg_query "$key" Format >/dev/null || e2e_fail "the fresh prefix has a stored pattern"

e2e_start_mirel
wid=$(e2e_wait_window "$E2E_PID")
caption=$(e2e_wait_caption "$wid" '^[0-9]{4}/[0-9]{1,2}/[0-9]{1,2} [0-9]{1,2}:[0-9]{2}:[0-9]{2}$')
# Japanese short date in Wine: yyyy/M/d; time H:mm:ss. The date is today's in the test's zone.
today=$(TZ=Asia/Tokyo date +%Y/%-m/%-d)
[[ $caption == "$today "* ]] || [[ $(TZ=Asia/Tokyo date +%H%M) == 0000 ]] ||
  e2e_fail "caption '$caption' is not today ($today)"
! e2e_reg_query "$key" Format >/dev/null || e2e_fail "running the clock stored a pattern"
