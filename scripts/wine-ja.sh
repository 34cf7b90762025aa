#!/usr/bin/env bash
# Runs a Windows program under Wine in a Japanese locale on your X display, with a Wine prefix of
# its own for your user (made on first use, kept afterwards, so settings stay between runs).
# Usage: scripts/wine-ja.sh program.exe [arguments...]
#   MIREL_WINEPREFIX  the prefix to use (default: ~/.local/share/mirel/wineprefix)
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 program.exe [arguments...]" >&2
  exit 2
fi
program=$1
shift

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
No X display: DISPLAY is not set. Start this from a desktop session (or over ssh -X).
Without a screen, a virtual one works too:  Xvfb :5 & DISPLAY=:5 scripts/run.sh
(with no window manager there, Wine draws the clock's caption at the bottom left itself)
MSG
  exit 2
fi

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ]; then
  echo "Wine is not installed (Debian: apt-get install wine wine64)." >&2
  exit 2
fi

data=${XDG_DATA_HOME:-$HOME/.local/share}/mirel
prefix=${MIREL_WINEPREFIX:-$data/wineprefix}

# The Japanese locale: the system's when it has one, else one made for this user (about 1 s,
# once; no system change).
locale_env=(LC_ALL=ja_JP.UTF-8)
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8'; then
  if [ ! -f "$data/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$data/locale"
    localedef -i ja_JP -f UTF-8 "$data/locale/ja_JP.UTF-8" 2>/dev/null ||
      [ -f "$data/locale/ja_JP.UTF-8/LC_CTYPE" ] || {
      echo "Could not make the Japanese locale (Debian: apt-get install locales)." >&2
      exit 2
    }
  fi
  locale_env+=("LOCPATH=$data/locale")
fi

wine_ja() {
  env "${locale_env[@]}" WINEPREFIX="$prefix" WINEDEBUG=-all \
    "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d" "$wine" "$@"
}

if [ ! -f "$prefix/.mirel-prefix" ]; then
  echo "Making the Wine prefix $prefix (once, about 10 s)..." >&2
  mkdir -p "$prefix"
  # Made under the Japanese locale: window metrics and the font charset are set at this moment.
  wine_ja wineboot -i >/dev/null 2>&1
  reg=$(mktemp)
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="Noto Sans CJK JP"
REG
  wine_ja regedit /S "$(realpath "$reg")" >/dev/null 2>&1 || true
  rm -f "$reg"
  touch "$prefix/.mirel-prefix"
fi

# Debian's Wine does not load its own font folder; without Marlett the caption buttons are drawn
# as letters. Checked on every start, so a prefix made before fonts-wine was installed gets it too.
if [ ! -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ]; then
  for font in /usr/share/wine/fonts/marlett.ttf /usr/lib/x86_64-linux-gnu/wine/fonts/marlett.ttf; do
    if [ -f "$font" ]; then
      cp "$font" "$prefix/drive_c/windows/Fonts/"
      break
    fi
  done
fi

# Without a window manager (a bare X server such as Xvfb) Wine must draw the caption and frame
# itself, or the clock shows as a grey box with no caption; with one, the window manager does it
# and gives the clock its taskbar button. The prefix follows the display it is started on.
if command -v xprop >/dev/null; then
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    if grep -q '^"Managed"="N"' "$prefix/user.reg" 2>/dev/null; then
      wine_ja reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
    fi
  elif ! grep -q '^"Managed"="N"' "$prefix/user.reg" 2>/dev/null; then
    wine_ja reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  fi
fi

exec env "${locale_env[@]}" WINEPREFIX="$prefix" WINEDEBUG=-all \
  "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d" "$wine" "$program" "$@"
