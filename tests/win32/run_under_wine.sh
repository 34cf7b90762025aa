#!/usr/bin/env bash
# Runs the Win32 test program under Wine as the end-to-end tests run the program: Japanese locale,
# a copy of the prefix template (both made in the work folder by tests/e2e/prepare.sh, no system
# change) and an Xvfb display of its own, all ended afterwards.
# Usage: run_under_wine.sh <program.exe> <work folder> [gtest arguments...]
set -euo pipefail
program=$1
export MIREL_E2E_WORK=$2
shift 2
e2e=$(dirname "$0")/../e2e
bash "$e2e/prepare.sh" >/dev/null
source "$e2e/lib.sh"
e2e_setup
e2e_wine_env "$E2E_WINE" "$program" "$@"
