#!/usr/bin/env bash
# A pattern with seconds changes the caption once a second, each time a moment after the wall
# clock's second begins (the refresh is aligned to the half-seconds).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

e2e_start_mirel hh:nn:ss
wid=$(e2e_wait_window "$E2E_PID")
last=$(e2e_wait_caption "$wid" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$')

changes=0
lags=()
end=$((SECONDS + 5))
while ((SECONDS < end)); do
  caption=$(e2e_caption "$wid")
  now_ms=$(date +%s%3N)
  [ "$caption" = "$last" ] && continue
  [[ $caption =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || e2e_fail "caption '$caption'"
  # One second later than the last caption, never back and never two at once.
  IFS=: read -r h m s <<<"$last"
  next=$(((10#$h * 3600 + 10#$m * 60 + 10#$s + 1) % 86400))
  expected=$(printf '%02d:%02d:%02d' $((next / 3600)) $((next / 60 % 60)) $((next % 60)))
  [ "$caption" = "$expected" ] || e2e_fail "caption went from $last to $caption"
  lags+=($((now_ms % 1000)))
  changes=$((changes + 1))
  last=$caption
done
((changes >= 3)) || e2e_fail "only $changes changes in 5 seconds"

# How long after the second began each change was seen (polling adds its own delay).
sorted=$(printf '%s\n' "${lags[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(((${#lags[@]} + 1) / 2))p")
e2e_log "changes: $changes, seen after the second began (ms): $(echo $sorted)"
((median < ${E2E_MAX_LAG_MS:-300})) || e2e_fail "caption changes ${median} ms after the second"
