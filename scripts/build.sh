#!/usr/bin/env bash
# Configures (once) and builds the installer and its tests. Extra arguments
# go to CMake's configure step, e.g. -DKORDEX_PAYLOAD_DIR=...
#
# KORDEX_ARCH picks the build: i686 (default), the 32-bit installer that
# ships, into build/ (or KORDEX_BUILD); x86_64, the same sources for 64-bit
# Windows, for machines that run no 32-bit code, into build-x86_64/ (the
# 32-bit folder's name with -x86_64). The x86-64 build's checks of the
# shipped exe read the 32-bit build's installer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/arch.sh"
arch=${KORDEX_ARCH:-i686}
case $arch in
  i686) extra=() ;;
  x86_64) extra=(-DKORDEX_SHIPPED_BUILD="$(kordex_build_dir i686)") ;;
  *) echo "build: KORDEX_ARCH is '$arch': use i686 or x86_64" >&2; exit 1 ;;
esac
build=$(kordex_build_dir "$arch")
kordex_link_build "$arch"
if [[ ! -f $build/build.ninja || $# -gt 0 ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" "${extra[@]}" "$@" >/dev/null
fi
cmake --build "$build"
