#!/usr/bin/env bash
# Builds every target (native, 64-bit and 32-bit Windows, fuzzers, benchmarks) and runs every
# test: native unit tests, Win32 tests and end-to-end tests under Wine, each fuzzer for a while,
# and the benchmarks once.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup-debian.sh"

fuzz_seconds=${MIREL_FUZZ_SECONDS:-30}
step() { printf '\n=== %s ===\n' "$*"; }

step "format check"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
if [ -n "$files" ]; then
  # shellcheck disable=SC2086
  clang-format --dry-run --Werror $files
fi

for preset in linux win64 win32 fuzz bench; do
  step "build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

step "native tests"
ctest --preset linux

step "Windows tests under Wine"
ctest --preset win64

step "fuzzers, ${fuzz_seconds} s each"
for fuzzer in build/fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  corpus=$(mktemp -d)
  seeds="fuzz/corpus/$(basename "$fuzzer")"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  # The pattern and date-text readers get long inputs and a time limit per input, so that a
  # path slower than linear fails here instead of hiding behind short inputs.
  limits=()
  case "$(basename "$fuzzer")" in
    fuzz_format | fuzz_date_text) limits=(-max_len=65536 -timeout=2) ;;
  esac
  echo "$(basename "$fuzzer")"
  "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 "${limits[@]}" "$corpus" 2>&1 |
    tail -n 3
  rm -rf "$corpus"
done

step "benchmarks"
for bench in build/bench/bench/bench_*; do
  [ -x "$bench" ] || continue
  "$bench" --benchmark_min_time=0.2
done
