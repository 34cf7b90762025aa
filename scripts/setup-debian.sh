#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, running and testing the program.
# Installs only the packages that are missing, so a second run is quick and asks for nothing.
# Run as a normal user, it installs them through sudo (and says so before sudo asks for the
# password); everything else the scripts do runs as that user, so the checkout stays theirs.
#
# The 32-bit Windows program, the real target, runs under Debian's 32-bit Wine (wine32:i386),
# which needs a machine that runs 32-bit programs: there it is installed as well, the i386
# architecture added to dpkg first. Elsewhere the 32-bit tests are skipped, and the test script
# says so.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  googletest libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick fonts-noto-cjk locales
  python3 git
)
add_i386=
if "$here/can-run-32bit.sh"; then
  packages+=(wine32:i386)
  dpkg --print-foreign-architectures | grep -qx i386 || add_i386=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
((${#missing[@]})) || exit 0

as_root=()
how="apt-get install ${missing[*]}"
[ -z "$add_i386" ] || how="dpkg --add-architecture i386 && apt-get update && $how"
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Installing them needs root, and sudo is not installed. As root, run:" >&2
    echo "  $how" >&2
    exit 1
  fi
  echo "Installing the missing packages with sudo (it may ask for your password):"
  as_root=(sudo)
else
  echo "Installing the missing packages:"
fi
echo "  ${missing[*]}"
if { [ -z "$add_i386" ] || "${as_root[@]}" dpkg --add-architecture i386; } &&
  "${as_root[@]}" apt-get update -qq &&
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  exit 0
fi
# Debian gives the first user sudo only when the installer set no root password.
echo "Could not install them. As root (su -), run:" >&2
echo "  $how" >&2
exit 1
