#!/usr/bin/env bash
# The program icon, as outside readers see it in the exe: its group lists
# five images (icotool), and each image is stored as a bitmap, or the
# largest as PNG (file).
#   check-icon.sh EXE
set -euo pipefail
exe=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# 16 to 48 pixels as 32-bit bitmaps, which every Windows from XP on draws;
# 256 as PNG, which Vista and 7 show in their large views and XP passes
# over: as a bitmap it would add some 260 KB to the exe for no Windows that
# needs it.
expected_group='--icon --index=1 --width=16 --height=16 --bit-depth=32 --palette-size=0
--icon --index=2 --width=24 --height=24 --bit-depth=32 --palette-size=0
--icon --index=3 --width=32 --height=32 --bit-depth=32 --palette-size=0
--icon --index=4 --width=48 --height=48 --bit-depth=32 --palette-size=0
--icon --index=5 --width=256 --height=256 --bit-depth=32 --palette-size=0'
# A bitmap in an icon is twice its height: the colour image over the mask.
expected_images='Device independent bitmap graphic, 16 x 32 x 32
Device independent bitmap graphic, 24 x 48 x 32
Device independent bitmap graphic, 32 x 64 x 32
Device independent bitmap graphic, 48 x 96 x 32
PNG image data, 256 x 256'

wrestool -x --type=14 --name=1 "$exe" -o "$scratch/icon.ico" || { echo "FAIL: no icon group 1 in $exe" >&2; exit 1; }
group=$(icotool -l "$scratch/icon.ico")
status=0
if [[ $group != "$expected_group" ]]; then
  printf 'FAIL: the icon group lists\n%s\nexpected\n%s\n' "$group" "$expected_group" >&2
  status=1
fi

images=$(for n in 1 2 3 4 5; do
  icotool -x --index="$n" -o - "$scratch/icon.ico" >/dev/null || echo "icotool cannot extract image $n"
  wrestool -x --raw --type=3 --name="$n" "$exe" | file -b - | cut -d, -f1-2
done)
if [[ $images != "$expected_images" ]]; then
  printf 'FAIL: the icon images are\n%s\nexpected\n%s\n' "$images" "$expected_images" >&2
  status=1
fi
((status == 0)) && echo "$exe: the icon's five images as expected"
exit $status
