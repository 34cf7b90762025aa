#!/usr/bin/env bash
# The executable's base name names both the stored setting and the one-copy rule: a renamed copy
# reads its own pattern and runs beside the original.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

mkdir -p "$E2E_DIR/app"
cp "$MIREL_EXE" "$E2E_DIR/app/Uhr.exe"
settings='HKCU\Software\VB and VBA Program Settings'
e2e_reg_add "$settings\\Mirel\\frmMirel" Format '本体_hh:nn'
e2e_reg_add "$settings\\Uhr\\frmMirel" Format '別名_hh:nn'

e2e_start_mirel
original=$E2E_PID
wid=$(e2e_wait_window "$original")
e2e_wait_caption "$wid" '^本体_[0-9]{2}:[0-9]{2}$' >/dev/null

MIREL_EXE=$E2E_DIR/app/Uhr.exe e2e_start_mirel
renamed=$E2E_PID
wid=$(e2e_wait_window "$renamed")
e2e_wait_caption "$wid" '^別名_[0-9]{2}:[0-9]{2}$' >/dev/null
e2e_running "$original" || e2e_fail "the original ended when the renamed copy started"
