#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, running and testing the program.
# Installs only the packages that are missing, so a second run is quick and asks for nothing.
# Run as a normal user, it installs them through sudo (and says so before sudo asks for the
# password); everything else the scripts do runs as that user, so the checkout stays theirs.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  googletest libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick fonts-noto-cjk locales faketime
  python3 git
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${missing[*]}" >&2
      echo "Installing them needs root, and sudo is not installed. As root, run:" >&2
      echo "  apt-get install ${missing[*]}" >&2
      exit 1
    fi
    echo "Installing the missing packages with sudo (it may ask for your password):"
    as_root=(sudo)
  else
    echo "Installing the missing packages:"
  fi
  echo "  ${missing[*]}"
  if ! "${as_root[@]}" apt-get update -qq ||
    ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    # Debian gives the first user sudo only when the installer set no root password.
    echo "Could not install them. As root (su -), run:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi
