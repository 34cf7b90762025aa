#!/usr/bin/env bash
# Start-up time of the released 64-bit program against an empty Win32 window built the same way
# (bench/empty_window_win.cpp: same flags, runtime and manifest), under warm Wine on a display of
# its own. The two are started alternately, `runs` times each after two unmeasured starts of
# each, and each start is timed until its window is on the screen. Prints both medians and the
# clock's ratio to the empty window (target: at most 1.1).
# Usage: bench/startup.sh [runs]     (default 9; builds the release-win64 preset first)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}

cd "$top"
cmake --preset release-win64 >/dev/null
cmake --build "$top/build/release-win64" --target Mirel mirel_empty_window >/dev/null
mirel=$top/build/release-win64/clock/Mirel.exe
empty=$top/build/release-win64/bench/empty_window.exe

# The end-to-end tests' prefix template, Japanese locale and display handling, in a work folder
# of this build.
export MIREL_E2E_WORK=$top/build/release-win64/startup-bench
bash "$top/tests/e2e/prepare.sh" >/dev/null
source "$top/tests/e2e/lib.sh"
e2e_setup

# Microseconds, without starting a process.
now_us() { echo "${EPOCHREALTIME/./}"; }

# The X server tells of every top-level window it maps (each program here maps exactly one: the
# empty window, or the minimised clock's caption bar), so the start is timed by waiting for that
# event rather than by polling, whose own processes would compete with Wine for the two cores.
events=$E2E_DIR/x-events
mkfifo "$events"
stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
echo "$!" >>"$E2E_DIR/pids"
exec 7<"$events"

# Starts the program, waits for its window to be mapped, ends it; prints the milliseconds from
# the start to the window.
time_start() {
  local exe=$1 start pid line
  # The events of the last program's end, and a quiet moment before the next start.
  while read -r -t 0.3 -u 7 line; do :; done
  line=
  start=$(now_us)
  "${E2E_ENV[@]}" "$E2E_WINE" "$exe" >>"$E2E_DIR/wine.log" 2>&1 &
  pid=$!
  echo "$pid" >>"$E2E_DIR/pids"
  until [[ ${line:-} == MapNotify* ]]; do
    read -r -t "$E2E_TIMEOUT" -u 7 line || e2e_fail "no window of $exe after ${E2E_TIMEOUT}s"
  done
  local elapsed=$((($(now_us) - start) / 1000))
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$elapsed"
}

# Warm Wine: the wineserver stays up for the prefix, and two starts of each, unmeasured, bring
# the DLLs and the programs into the page cache.
"$E2E_WINESERVER" -p
for _ in 1 2; do
  time_start "$empty" >/dev/null
  time_start "$mirel" >/dev/null
done

empty_ms=()
mirel_ms=()
for ((i = 0; i < runs; i++)); do
  empty_ms+=("$(time_start "$empty")")
  mirel_ms+=("$(time_start "$mirel")")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
empty_median=$(median "${empty_ms[@]}")
mirel_median=$(median "${mirel_ms[@]}")
echo "empty window: ${empty_ms[*]} ms, median $empty_median ms"
echo "Mirel.exe:    ${mirel_ms[*]} ms, median $mirel_median ms"
awk -v m="$mirel_median" -v e="$empty_median" \
  'BEGIN { printf "start-up ratio Mirel/empty: %.2f (target at most 1.10)\n", m / e }'
