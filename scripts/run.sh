#!/usr/bin/env bash
# Builds the 64-bit program and starts the clock under Wine on your display, in a Japanese
# locale. Arguments are handed to the program as its display pattern for this run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup-debian.sh"
cd "$top"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Mirel
exec "$top/scripts/wine-ja.sh" "$top/build/win64/clock/Mirel.exe" "$@"
