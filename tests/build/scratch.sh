#!/usr/bin/env bash
# Makes the two scratch builds of the build tests afresh (CTest's fixture).
source "$(dirname "$0")/lib.sh"
rm -rf "$SCRATCH"
for place in "${SCRATCH_PLACES[@]}"; do
  scratch_copy "$place/src"
  scratch_build "$place" i686 -DBUILD_TESTING=OFF
done
if [[ $KORDEX_ARCH != i686 ]]; then
  scratch_build "${SCRATCH_PLACES[0]}" "$KORDEX_ARCH" -DBUILD_TESTING=OFF
fi
echo "scratch builds in ${SCRATCH_PLACES[*]}"
