#!/usr/bin/env bash
# Makes the two scratch builds of the build tests afresh (CTest's fixture).
source "$(dirname "$0")/lib.sh"
rm -rf "$SCRATCH"
for place in "${SCRATCH_PLACES[@]}"; do
  scratch_copy "$place/src"
  scratch_build "$place" -DBUILD_TESTING=OFF
done
echo "scratch builds in ${SCRATCH_PLACES[*]}"
