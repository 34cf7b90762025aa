#!/usr/bin/env bash
# Builds the release: both Windows programs in their release form (build/release-win32 and
# build/release-win64) and, in OUTDIR (default dist/), one zip for each plus SHA256SUMS:
#   Mirel-<version>-win32.zip, Mirel-<version>-win64.zip, each holding the folder Mirel-<version>/
#   with Mirel.exe, DayOff.dat, README.txt and LICENSE.txt.
# The version is the one of project() in CMakeLists.txt. Two runs from the same commit give
# byte-identical zips: the executables carry no link time, and every entry of a zip has the time
# of the last commit (SOURCE_DATE_EPOCH), fixed attributes and a fixed place.
# Usage: scripts/package.sh [OUTDIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
outdir=$(realpath -m "${1:-$top/dist}")  # before the cd below
target_exe_bytes=$((300 * 1024))  # what each Mirel.exe must stay within

[ -n "${MIREL_SKIP_SETUP:-}" ] || "$top/scripts/setup-debian.sh"
cd "$top"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct 2>/dev/null) || {
    echo "Not a git checkout: set SOURCE_DATE_EPOCH to the time the zips' files should carry." >&2
    exit 1
  }
fi
export SOURCE_DATE_EPOCH

for arch in win32 win64; do
  echo "Building the $arch release..."
  cmake --preset "release-$arch" >/dev/null
  cmake --build --preset "release-$arch" --target Mirel
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release-win64/CMakeCache.txt)
[ -n "$version" ] || {
  echo "No project version in build/release-win64/CMakeCache.txt" >&2
  exit 1
}

# The sample holiday file goes out as it is kept: code page 932 with CR LF line ends, which
# Notepad and the program read on every Japanese Windows.
dayoff=resources/DayOff.dat
if [ "$(grep -c $'\r$' "$dayoff")" -ne "$(wc -l <"$dayoff")" ] || [ -n "$(tail -c 1 "$dayoff")" ] ||
  ! iconv -f CP932 -t UTF-8 "$dayoff" >/dev/null 2>&1; then
  echo "resources/DayOff.dat is not CP932 text with CR LF line ends" >&2
  exit 1
fi

mkdir -p "$outdir"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The user's guide and the licence as Notepad on every Windows shows them: CR LF line ends, and
# the guide (Japanese and English) in UTF-8 with a byte-order mark.
{
  printf '\xef\xbb\xbf'
  sed "s/@VERSION@/$version/g" resources/README.txt | sed 's/$/\r/'
} >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"

for arch in win32 win64; do
  exe=build/release-$arch/clock/Mirel.exe
  size=$(stat -c %s "$exe")
  echo "$arch Mirel.exe: $size bytes"
  if ((size > target_exe_bytes)); then
    echo "$arch Mirel.exe is over the limit of $target_exe_bytes bytes: no release made" >&2
    exit 1
  fi
  python3 - "$outdir/Mirel-$version-$arch.zip" "Mirel-$version" "$SOURCE_DATE_EPOCH" \
    "Mirel.exe=$exe" "DayOff.dat=$dayoff" "README.txt=$stage/README.txt" \
    "LICENSE.txt=$stage/LICENSE.txt" <<'PY'
import os, sys, time, zipfile

target, folder, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
# Zip times are local-time fields from 1980 on, with two-second steps; UTC keeps them the same
# whatever the packing machine's zone.
stamp = time.gmtime(max(epoch, 315532800))[:6]

def entry(name, directory=False):
    info = zipfile.ZipInfo(name, date_time=stamp)
    info.create_system = 0  # MS-DOS attributes, which Windows' own unzipping reads
    info.external_attr = 0x10 if directory else 0x20  # directory / archive
    info.compress_type = zipfile.ZIP_STORED if directory else zipfile.ZIP_DEFLATED
    return info

partial = target + ".part"
with zipfile.ZipFile(partial, "w") as archive:
    archive.writestr(entry(folder + "/", directory=True), b"")
    for pair in sys.argv[4:]:
        name, path = pair.split("=", 1)
        with open(path, "rb") as source:
            archive.writestr(entry(folder + "/" + name), source.read(), compresslevel=9)
os.replace(partial, target)
PY
done

(cd "$outdir" && sha256sum "Mirel-$version-win32.zip" "Mirel-$version-win64.zip" >SHA256SUMS)
echo "Release $version in $outdir:"
(cd "$outdir" && cat SHA256SUMS)
