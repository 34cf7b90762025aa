#!/usr/bin/env bash
# The release as a user gets it. scripts/package.sh makes both zips (into this test's folder);
# each holds exactly its five entries, a README.txt that Notepad shows on every Windows, the
# sample DayOff.dat as kept, and an executable of the right machine that imports only DLLs Windows
# always takes from System32 and carries no link time. Each program, unpacked into the Wine
# prefix, runs from there: the clock shows the general form and the calendar a holiday of the
# packaged DayOff.dat. The 32-bit one runs where the machine runs 32-bit programs.
set -euo pipefail
source "$(dirname "$0")/calendar_helpers.sh"
e2e_setup

version=${MIREL_VERSION:?set by CTest}
folder=Mirel-$version
dist=$E2E_DIR/dist
e2e_log "packaging (builds both release presets when they are not current)"
MIREL_SKIP_SETUP=1 bash "$MIREL_SOURCE_DIR/scripts/package.sh" "$dist" >"$E2E_DIR/package.log" 2>&1 ||
  {
    tail -n 30 "$E2E_DIR/package.log" >&2
    e2e_fail "scripts/package.sh failed"
  }
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || e2e_fail "SHA256SUMS does not match the zips"
# Packed again from the same build, the zips come out byte for byte the same.
MIREL_SKIP_SETUP=1 bash "$MIREL_SOURCE_DIR/scripts/package.sh" "$E2E_DIR/again" >/dev/null 2>&1 ||
  e2e_fail "the second scripts/package.sh failed"
cmp -s "$dist/SHA256SUMS" "$E2E_DIR/again/SHA256SUMS" || e2e_fail "a second packing gave other zips"

# The DLLs the program may import: those Windows always loads from System32 (known DLLs), so a
# file of the same name beside the program is never taken for one. Others are loaded from
# System32 by name when needed; the mingw runtime, winpthread or libstdc++ would have to travel
# with the program.
system_dlls=' kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll msvcrt.dll '

# The most each Mirel.exe may weigh. The 32-bit program has the less room: its runtime's DWARF
# unwind tables are kept whole, so any use of the C runtime's printf family (about 37 KB) would
# take it over.
declare -A max_kb=([win32]=300 [win64]=300)

for arch in win32 win64; do
  zip=$dist/$folder-$arch.zip
  [ -f "$zip" ] || e2e_fail "no $zip"
  listing=$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
  expected=$(printf '%s\n' "$folder/" "$folder/Mirel.exe" "$folder/DayOff.dat" "$folder/README.txt" \
    "$folder/LICENSE.txt")
  [ "$listing" = "$expected" ] || e2e_fail "$arch zip holds:"$'\n'"$listing"
  unpacked=$E2E_DIR/$arch
  python3 -m zipfile -e "$zip" "$unpacked"
  exe=$unpacked/$folder/Mirel.exe

  # The PE header: machine type and link time stamp (none, so the zips are reproducible).
  read -r machine stamp <<<"$(python3 - "$exe" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", data, 0x3C)[0]
assert data[pe:pe + 4] == b"PE\0\0"
machine, _, stamp = struct.unpack_from("<HHI", data, pe + 4)
print(hex(machine), stamp)
PY
  )"
  want=$([ "$arch" = win32 ] && echo 0x14c || echo 0x8664)  # i386, x86-64
  [ "$machine" = "$want" ] || e2e_fail "$arch Mirel.exe is for machine $machine, not $want"
  [ "$stamp" = 0 ] || e2e_fail "$arch Mirel.exe carries the link time $stamp"
  size=$(stat -c %s "$exe")
  ((size <= ${max_kb[$arch]} * 1024)) || e2e_fail "$arch Mirel.exe has $size bytes, more than ${max_kb[$arch]} KB"
  e2e_log "$arch Mirel.exe: $machine, $size bytes"

  objdump=$([ "$arch" = win32 ] && echo i686-w64-mingw32-objdump || echo x86_64-w64-mingw32-objdump)
  imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  [ -n "$imports" ] || e2e_fail "no imports read from $arch Mirel.exe"
  for dll in $imports; do
    [[ $system_dlls == *" $dll "* ]] || e2e_fail "$arch Mirel.exe imports $dll"
  done

  readme=$unpacked/$folder/README.txt
  [ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    e2e_fail "$arch README.txt does not start with the UTF-8 byte-order mark"
  [ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || e2e_fail "$arch README.txt has bare LF"
  grep -q "Mirel-$version-win32.zip" "$readme" || e2e_fail "$arch README.txt lacks the version"
  cmp -s "$unpacked/$folder/DayOff.dat" "$MIREL_SOURCE_DIR/resources/DayOff.dat" ||
    e2e_fail "$arch DayOff.dat is not the sample"
done

# Each program from a folder of the prefix, as a user unpacks it: C:\Mirel-x.y.z.
run_unpacked() {  # arch wine
  local arch=$1
  E2E_WINE=$2
  rm -rf "${WINEPREFIX:?}/drive_c/$folder"
  cp -r "$E2E_DIR/$arch/$folder" "$WINEPREFIX/drive_c/"
  MIREL_EXE=$WINEPREFIX/drive_c/$folder/Mirel.exe
  e2e_start_mirel
  CLOCK_WID=$(e2e_wait_window "$E2E_PID")
  local caption
  caption=$(e2e_wait_caption "$CLOCK_WID" '^[0-9]{4}/[0-9]{1,2}/[0-9]{1,2} [0-9]{1,2}:[0-9]{2}:[0-9]{2}$')
  e2e_log "$arch clock: $caption"

  cal_open
  for ((i = 0; i < steps; i++)); do
    cal_click_child "$CAL_NEXT_ID"
  done
  cal_expect_caption "$month_caption"
  sleep 0.5
  cal_grid
  e2e_screenshot "$E2E_DIR/screen.png"
  cal_expect_red_holiday "$E2E_DIR/screen.png" "$hol_col" "$hol_row" "$plain_col" "$plain_row" \
    "$arch $month_caption"

  cal_probe close frmMirel >/dev/null || true # the clock, and with it the calendar
  e2e_wait_exit "$E2E_PID" || e2e_fail "the $arch program did not end"
}

# The first month from now with a holiday of the packaged file on a weekday (January, with its
# movable holidays, left out), and the same weekday a week earlier as a plain day to compare with.
# Prints: steps caption holCol holRow plainCol plainRow.
read -r steps month_caption hol_col hol_row plain_col plain_row <<<"$(
  iconv -f CP932 -t UTF-8 "$E2E_DIR/win64/$folder/DayOff.dat" | python3 -c '
import datetime, re, sys
year, month, today = (int(x) for x in sys.argv[1:4])
days = set()
for line in sys.stdin:
    m = re.match(r"\s*(\d+)/(\d+)\s*=", line)
    if m:
        days.add((int(m.group(1)), int(m.group(2))))
for steps in range(13):
    index = year * 12 + month - 1 + steps
    y, mo = index // 12, index % 12 + 1
    first = (datetime.date(y, mo, 1).weekday() + 1) % 7  # 0 when the month begins on Sunday
    def cell(day):
        k = first + day - 1
        return k % 7 + 1, k // 7 + 2
    for (hm, hd) in sorted(days):
        plain = hd - 7  # the row above: a holiday name reaches into the row below
        if hm != mo or mo == 1 or plain < 1 or (mo, plain) in days or not 2 <= cell(hd)[0] <= 6:
            continue
        if today in (hd, plain):  # the red frame stays on this day number in every month
            continue
        print(steps, f"{y:04d}年{mo:02d}月", *cell(hd), *cell(plain))
        sys.exit(0)
' "$(cal_today +%Y)" "$(cal_today +%-m)" "$(cal_today +%-d)"
)"
[ -n "${plain_row:-}" ] || e2e_fail "no holiday of the packaged DayOff.dat found to look at"

"$E2E_WINESERVER" -p # one server for both programs; the cleanup ends it
run_unpacked win64 /usr/lib/wine/wine64
if "$MIREL_SOURCE_DIR/scripts/can-run-32bit.sh" && [ -x /usr/lib/wine/wine ]; then
  run_unpacked win32 /usr/lib/wine/wine
else
  e2e_log "i686 tests skipped: this machine cannot run 32-bit programs"
fi
e2e_log "release ok"
