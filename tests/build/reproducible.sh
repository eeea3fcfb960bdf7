#!/usr/bin/env bash
# The same sources built in two folders give the same installer, byte for
# byte, and the same sample kordex.exe inside it: nothing of the time or the
# place of the build goes into them.
source "$(dirname "$0")/lib.sh"
one=${SCRATCH_PLACES[0]}/build
two=${SCRATCH_PLACES[1]}/build
status=0
for file in KORdexSetup.exe sample-payload/kordex.exe; do
  if cmp -s "$one/$file" "$two/$file"; then
    echo "$file: the same from both folders ($(stat -c %s "$one/$file") bytes)"
  else
    echo "$file differs between $one and $two (offset, octal bytes):"
    cmp -l "$one/$file" "$two/$file" | head -20
    status=1
  fi
done
exit $status
