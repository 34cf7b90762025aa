#!/usr/bin/env bash
# A second copy ends within a few seconds without showing a window and leaves the first
# untouched; of twenty copies started at the same moment exactly one stays.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

e2e_start_mirel 一号_hh:nn:ss
first=$E2E_PID
wid=$(e2e_wait_window "$first")
e2e_wait_caption "$wid" '^一号_' >/dev/null

started=$SECONDS
e2e_start_mirel 二号_hh:nn:ss
second=$E2E_PID
e2e_wait_exit "$second" 30 || e2e_fail "the second copy still runs"
e2e_log "second copy ended after $((SECONDS - started)) s, status $(e2e_exit_status "$second")"
e2e_running "$first" || e2e_fail "the first copy ended"
[ "$(e2e_find_window "$first")" = "$wid" ] || e2e_fail "the first copy's window changed"
# Its caption still runs on its own pattern.
e2e_wait_caption "$wid" '^一号_[0-9]{2}:' >/dev/null
before=$(e2e_caption "$wid")
e2e_wait_until 15 eval '[ "$(e2e_caption "$wid")" != "$before" ]' || e2e_fail "the first copy stopped"
xdotool key --clearmodifiers alt+F4
e2e_wait_exit "$first" || e2e_fail "the first copy did not close"

# Twenty at once, with none running.
pids=()
for i in $(seq 1 20); do
  e2e_start_mirel "複製${i}_hh:nn"
  pids+=("$E2E_PID")
done
alive() {
  local n=0 pid
  for pid in "${pids[@]}"; do
    e2e_running "$pid" && n=$((n + 1))
  done
  echo "$n"
}
e2e_wait_until 120 eval '[ "$(alive)" -le 1 ]' || e2e_fail "$(alive) copies still run"
survivor=
for pid in "${pids[@]}"; do
  e2e_running "$pid" && survivor=$pid
done
[ -n "$survivor" ] || e2e_fail "no copy stayed"
wid=$(e2e_wait_window "$survivor")
e2e_wait_caption "$wid" '^複製[0-9]+_[0-9]{2}:[0-9]{2}$' >/dev/null
