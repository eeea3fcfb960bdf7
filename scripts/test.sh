#!/usr/bin/env bash
# Sets up, builds and runs every test, headless (the tests bring their own
# screen and Wine prefixes). Arguments go to CTest.
#
# Where this machine runs 32-bit code, the suite runs twice: on the shipped
# 32-bit build under 32-bit Wine, then on the same sources built for x86-64
# under 64-bit Wine; it fails when either fails. Where it runs none, it runs
# on the x86-64 build only, and the checks that run nothing (imports, header
# flags, manifests, resources, the reproducible build, the signature) still
# read the 32-bit installer, which is built on every machine. KORDEX_ARCH=i686
# or KORDEX_ARCH=x86_64 runs the suite of that build alone.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/arch.sh"

# An explicit build folder that the unprivileged test user cannot reach would
# leave every test that runs the installer as that user not run.
if [[ -n ${KORDEX_BUILD:-} ]] && kordex_closed_to_others "$(dirname "$KORDEX_BUILD")"; then
  echo "test: other users may not enter $(dirname "$KORDEX_BUILD"), but the tests run the installer as an" \
    "unprivileged user from KORDEX_BUILD: unset KORDEX_BUILD (the build then goes where that user can reach" \
    "it) or choose a folder others may enter" >&2
  exit 1
fi

if [[ -n ${KORDEX_ARCH:-} ]]; then
  kordex_choose_arch
  builds=("$KORDEX_ARCH")
elif kordex_runs_32bit; then
  builds=(i686 x86_64) why="this machine runs 32-bit code"
else
  builds=(x86_64) why="this machine runs no 32-bit code"
fi
titles=()
for arch in "${builds[@]}"; do titles+=("$(kordex_arch_title "$arch")"); done
plan=$(printf '%s, then ' "${titles[@]}")
plan="${plan%, then } (${why:-forced by KORDEX_ARCH})"
echo "test: testing $plan"

"$root/scripts/setup.sh"
KORDEX_ARCH=i686 "$root/scripts/build.sh"
outcomes=() status=0
for arch in "${builds[@]}"; do
  [[ $arch == i686 ]] || KORDEX_ARCH=$arch "$root/scripts/build.sh"
  echo "test: the suite of $(kordex_arch_title "$arch")"
  if (cd "$(kordex_build_dir "$arch")" && ctest --output-on-failure "$@"); then
    outcomes+=("$arch passed")
  else
    outcomes+=("$arch FAILED")
    status=1
  fi
done
echo "test: tested $plan: $(printf '%s, ' "${outcomes[@]}" | sed 's/, $//')"
exit $status
