#!/usr/bin/env bash
# Installs everything the installer needs to be built, run and tested on a
# Debian 12 machine, as root. Safe to run again: it only installs what is
# missing, so once everything is there anyone may run it.
set -euo pipefail

# The 32-bit compiler makes the installer that ships; the x86-64 one makes
# the build that machines running no 32-bit code test (scripts/arch.sh).
packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  cmake ninja-build
  wine wine32:i386 wine64 fonts-wine
  xvfb x11-utils xdotool imagemagick
  doctest-dev
  python3 locales strace
  # The host compiler for the Linux libraries the tests preload into Wine,
  # also for 32-bit Wine.
  gcc-multilib
  git icoutils osslsigncode openssl
  # rsvg-convert renders the button pictures and the icon from their SVGs.
  librsvg2-bin
  # Outside readers that judge what the build and the installer write: the
  # shortcut's bytes (lnkinfo) and the exe's resource directory (pefile).
  liblnk-utils python3-pefile
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  # Only root may install; anyone else needs it done once by root.
  if ((EUID != 0)); then
    echo "setup: missing ${missing[*]}; run scripts/setup.sh as root once" >&2
    exit 1
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine needs a generated UTF-8 locale, or non-ASCII file names break.
if ! locale -a 2>/dev/null | grep -qi '^C\.utf-\?8$'; then
  echo "setup: no C.UTF-8 locale available" >&2
  exit 1
fi
echo "setup: ready"
