#!/usr/bin/env bash
# The window at 96, 120 and 144 dpi, themed and classic: it and its controls
# scale in proportion, and screenshots of every picture-button look are saved
# to build/tests/e2e/shots for a person to look at.
source "$(dirname "$0")/lib.sh"
shots=$KORDEX_BUILD/tests/e2e/shots
mkdir -p "$shots"

scaled() { echo $((($1 * $2 * 2 + 96) / 192)); }  # rounds to nearest as the installer does

for dpi in 96 120 144; do
  for theme in on off; do
    prefix=$(e2e_prefix root "$dpi-$theme")
    e2e_registry "$prefix" product="Windows 7 Ultimate" dpi="$dpi" theme="$theme"
    e2e_drive "$prefix" SHOTS="$shots" LOOK="$dpi-$theme" \
      W="$(scaled 417 "$dpi")" H="$(scaled 473 "$dpi")" \
      BX="$(scaled 119 "$dpi")" BY="$(scaled 48 "$dpi")" BS="$(scaled 89 "$dpi")" \
      FONT="-$(((8 * dpi + 36) / 72))" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-client ${W} ${H}
expect-rect #1008 ${BX} ${BY} ${BS} ${BS}
expect-font #1006 Tahoma ${FONT} 400
expect-font #1003 Tahoma ${FONT} 700
expect-line #1006 2 "> várakozás a felhasználóra..."
hover-away
shot ${SHOTS}/look-${LOOK}-start.bmp
# A greyed button under the mouse shows its picture in colour.
hover #1009
shot ${SHOTS}/look-${LOOK}-hover.bmp
hover-away
# Tab focus on a greyed button shows it in colour too.
key TAB
key TAB
expect-focus #1008
shot ${SHOTS}/look-${LOOK}-focus.bmp
close
wait-exit 0
SCRIPT
  done
done
