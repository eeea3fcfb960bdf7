#!/usr/bin/env bash
# The exe is marked terminal-server aware (IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE).
set -euo pipefail
exe=$1
flags=$(i686-w64-mingw32-objdump -p "$exe" | awk '$1 == "DllCharacteristics" { print $2 }')
[[ -n $flags ]] || { echo "no DllCharacteristics read from $exe" >&2; exit 1; }
if ((0x$flags & 0x8000)); then
  echo "DllCharacteristics $flags: terminal-server aware"
else
  echo "DllCharacteristics $flags: not marked terminal-server aware" >&2
  exit 1
fi
