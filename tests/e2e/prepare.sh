#!/usr/bin/env bash
# Fixture of the end-to-end tests: a Japanese locale in a folder of its own (no system change)
# and a Wine prefix template made under that locale, which every test copies. Both are kept in
# the build tree and made again only when missing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

work=${MIREL_E2E_WORK:?set by CTest}
mkdir -p "$work"

if [ ! -f "$E2E_LOCPATH/ja_JP.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$E2E_LOCPATH"
  localedef -i ja_JP -f UTF-8 "$E2E_LOCPATH/ja_JP.UTF-8" || [ -f "$E2E_LOCPATH/ja_JP.UTF-8/LC_CTYPE" ]
fi

# The clock shim of e2e_fake_time, for 64-bit and 32-bit Wine processes; freestanding, so the
# host compiler builds both without 32-bit libraries.
for bits in 64 32; do
  shim=$E2E_WORK/fake_time$bits.so
  if [ ! -f "$shim" ] || [ "$shim" -ot "$(dirname "$0")/fake_time.c" ]; then
    gcc -m$bits -O2 -Wall -Wextra -Werror -fPIC -shared -nostdlib -ffreestanding \
      -o "$shim" "$(dirname "$0")/fake_time.c"
  fi
done

# Debian's Wine does not load its own font folder; without Marlett the caption buttons are
# drawn as letters, so the template carries a copy (fonts-wine).
marlett=
for font in /usr/share/wine/fonts/marlett.ttf /usr/lib/x86_64-linux-gnu/wine/fonts/marlett.ttf; do
  if [ -f "$font" ]; then
    marlett=$font
    break
  fi
done

# The stamp names what the template was made with: a template from another Wine, or one made
# before Marlett was installed, is made again.
stamp="$E2E_TEMPLATE/.mirel-template"
wine32=
[ -x /usr/lib/wine/wine ] && wine32=" and the 32-bit Wine"
made_with="$("$E2E_WINE64" --version)${marlett:+ with Marlett}$wine32, taskbar labels shown"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$made_with" ]; then
  echo "prefix template ready: $E2E_TEMPLATE"
  exit 0
fi

rm -rf "$E2E_TEMPLATE" "$E2E_TEMPLATE.new"
building="$E2E_TEMPLATE.new"
mkdir -p "$building"
# Window metrics, caption height and the font charset are written when the prefix is made, so it
# is made under the Japanese locale.
WINEPREFIX=$building e2e_wine_env "$E2E_WINE64" wineboot -i >/dev/null 2>&1
# Taskbar buttons keep their labels (TaskbarGlomLevel 2), as for the users who see the clock's
# caption: the tests see no message about hidden labels unless they ask for it.
cat >"$work/template.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="Noto Sans CJK JP"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced]
"TaskbarGlomLevel"=dword:00000002
REG
WINEPREFIX=$building e2e_wine_env "$E2E_WINE64" regedit /S "$work/template.reg" >/dev/null 2>&1
[ -z "$marlett" ] || cp "$marlett" "$building/drive_c/windows/Fonts/"
WINEPREFIX=$building "$E2E_WINESERVER" -k || true
WINEPREFIX=$building "$E2E_WINESERVER" -w || true
echo "$made_with" >"$building/.mirel-template"
mv "$building" "$E2E_TEMPLATE"
echo "prefix template made: $E2E_TEMPLATE"
