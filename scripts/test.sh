#!/usr/bin/env bash
# Sets up, builds and runs every test, headless (the tests bring their own
# screen and Wine prefixes). Arguments go to CTest.
#
# Where this machine runs 32-bit code, the tests run the shipped 32-bit build
# under 32-bit Wine. Where it runs none, they run the same sources built for
# x86-64 under 64-bit Wine; the checks that run nothing (imports, header
# flags, resources, the reproducible build, the signature) still read the
# 32-bit installer, which is built on every machine. KORDEX_ARCH=i686 or
# KORDEX_ARCH=x86_64 forces either.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/arch.sh"
kordex_choose_arch
tested="$(kordex_arch_title "$KORDEX_ARCH") ($KORDEX_ARCH_WHY)"
echo "test: testing $tested"
"$root/scripts/setup.sh"
KORDEX_ARCH=i686 "$root/scripts/build.sh"
if [[ $KORDEX_ARCH != i686 ]]; then
  "$root/scripts/build.sh"
fi
cd "$(kordex_build_dir "$KORDEX_ARCH")"
status=0
ctest --output-on-failure "$@" || status=$?
echo "test: tested $tested"
exit $status
