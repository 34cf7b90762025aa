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

# The 32-bit program, the real target, is tested wherever the machine runs 32-bit programs.
i686=1
if ! "$top/scripts/can-run-32bit.sh"; then
  i686=
  echo "i686 tests skipped: this machine cannot run 32-bit programs"
fi

# The format check lists the sources with git, so it needs git, a git checkout and clang-format.
# It never passes by checking nothing: without them it fails, unless MIREL_SKIP_FORMAT_CHECK=1
# asks to skip it, which is said aloud.
step "format check"
format_problem=
if ! command -v clang-format >/dev/null; then
  format_problem="clang-format is not installed (scripts/setup-debian.sh installs it)"
elif ! command -v git >/dev/null; then
  format_problem="git is not installed (scripts/setup-debian.sh installs it)"
elif ! git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  format_problem="$top is not a git checkout, so its sources cannot be listed"
fi
if [ -n "$format_problem" ]; then
  if [ "${MIREL_SKIP_FORMAT_CHECK:-}" = 1 ]; then
    echo "!!! FORMAT CHECK SKIPPED (MIREL_SKIP_FORMAT_CHECK=1): $format_problem !!!" >&2
  else
    echo "format check FAILED: $format_problem (MIREL_SKIP_FORMAT_CHECK=1 skips it)" >&2
    exit 1
  fi
else
  mapfile -t files < <(git -C "$top" ls-files '*.cpp' '*.h')
  ((${#files[@]})) || {
    echo "format check FAILED: git lists no C++ sources" >&2
    exit 1
  }
  clang-format --dry-run --Werror "${files[@]}"
  echo "${#files[@]} files formatted as .clang-format asks"
fi

for preset in linux win64 win32 fuzz bench; do
  step "build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

step "native tests"
ctest --preset linux

step "64-bit Windows tests under Wine"
ctest --preset win64

if [ -n "$i686" ]; then
  step "32-bit Windows tests under the 32-bit Wine"
  ctest --preset win32
fi

step "one answer from every build of the pattern engine"
# The same generated input through the native, the 64-bit and the 32-bit mirel-format, in a copy
# of the prefix the end-to-end tests made.
engines=(build/linux/tools/mirel-format /usr/lib/wine/wine64:build/win64/tools/mirel-format.exe)
[ -z "$i686" ] || engines+=(/usr/lib/wine/wine:build/win32/tools/mirel-format.exe)
agreement_prefix=$(mktemp -d)
cp -a build/win64/tests/e2e/work/prefix-template/. "$agreement_prefix"
agreement=0
WINEPREFIX=$agreement_prefix WINEDEBUG=-all python3 tests/checks/format_agreement.py \
  "${engines[@]}" || agreement=$?
WINEPREFIX=$agreement_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
WINEPREFIX=$agreement_prefix /usr/lib/wine/wineserver -w 2>/dev/null || true
rm -rf "$agreement_prefix"
((agreement == 0))

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
echo "start-up under Wine (bench/startup.sh)"
"$top/bench/startup.sh"
