#!/usr/bin/env bash
# Configures (once) and builds the installer and its tests into build/.
# Extra arguments go to CMake's configure step, e.g. -DKORDEX_PAYLOAD_DIR=...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KORDEX_BUILD:-$root/build}
if [[ ! -f $build/build.ninja || $# -gt 0 ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" "$@" >/dev/null
fi
cmake --build "$build"
