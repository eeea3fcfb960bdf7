#!/usr/bin/env bash
# The window at 96, 120 and 144 dpi, themed and classic: it and its controls
# scale in proportion, and every look of the picture buttons is read from the
# pixels of real screenshots of the installer (tests/looks/button_pixels.py
# reads them; the table below says which row checks what). The rows prove,
# at each dpi and with and without visual styles:
# - greyed: a greyed button's picture is grey, every pixel's channels equal;
# - in colour: the marked button's picture is in colour;
# - hovered: with styles the mouse turns a greyed picture to colour; without
#   them the mouse changes no pixel;
# - focused: a greyed button with the keyboard focus shows its picture in colour;
# - pressed: held down with the mouse, the picture is in colour and stands
#   one pixel right of and one lower than where it rests;
# - disabled: after an installation a greyed button's picture is grey at half
#   its contrast (half opacity), and the marked one keeps its colour;
# - frame: without styles the classic raised edge in the system's 3D colours;
#   with them a styled frame that is not that edge and changes under the mouse.
# The shots stay in build/tests/e2e/shots (window-*.bmp show the whole window).
source "$(dirname "$0")/lib.sh"
shots=$KORDEX_BUILD/tests/e2e/shots
pixels=$KORDEX_ROOT/tests/looks/button_pixels.py
mkdir -p "$shots"

scaled() { echo $((($1 * $2 * 2 + 96) / 192)); }  # rounds to nearest as the installer does

# Each row: the state it proves, the theme it holds for (on, off or * for
# both), the check of button_pixels.py, then its shots (named after the
# button and its state, as the script below takes them) and colours.
rows() {
  cat <<'TABLE'
greyed     *    grey           documents-start     documents-focus
in-colour  *    colour         default-start
hovered    on   colour         documents-hover
hovered    off  same           documents-hover     documents-start
focused    *    colour         documents-focus
pressed    *    shifted        documents-pressed   documents-focus
disabled   *    grey           documents-disabled  documents-focus
disabled   *    half           documents-disabled  documents-start  documents-focus
disabled   *    colour         default-disabled
frame      on   themed-frame   documents-start     documents-hover  LIGHT DARK SHADOW
frame      off  classic-frame  documents-start     LIGHT DARK SHADOW
TABLE
}

failed=()
for dpi in 96 120 144; do
  for theme in on off; do
    prefix=$(e2e_prefix root "$dpi-$theme")
    e2e_registry "$prefix" product="Windows 7 Ultimate" dpi="$dpi" theme="$theme"
    e2e_drive "$prefix" SHOT="$shots/$dpi-$theme" \
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
sync-input
shot ${SHOT}-window-start.bmp
shot ${SHOT}-default-start.bmp #1007
shot ${SHOT}-documents-start.bmp #1008
hover #1008
sync-input
shot ${SHOT}-documents-hover.bmp #1008
hover-away
sync-input
key TAB
key TAB
expect-focus #1008
shot ${SHOT}-documents-focus.bmp #1008
# Held down with the mouse, then let go away from it: no click.
mouse-down #1008
sync-input
shot ${SHOT}-documents-pressed.bmp #1008
hover-away
mouse-up
sync-input
expect-greyed #1008 yes
# The run disables the four.
click #1003
expect-visible #1003 no
expect-enabled #1008 no
shot ${SHOT}-window-installed.bmp
shot ${SHOT}-default-disabled.bmp #1007
shot ${SHOT}-documents-disabled.bmp #1008
close
wait-exit 0
SCRIPT

    # The classic edge's colours: highlight, dark shadow, shadow.
    LIGHT=$(e2e_sys_colour "$prefix" ButtonHilight)
    DARK=$(e2e_sys_colour "$prefix" ButtonDkShadow)
    SHADOW=$(e2e_sys_colour "$prefix" ButtonShadow)
    while read -r state holds check rest; do
      [[ $holds == '*' || $holds == "$theme" ]] || continue
      read -ra args <<<"$rest"
      files=()
      for arg in "${args[@]}"; do
        case $arg in
          LIGHT | DARK | SHADOW) files+=("${!arg}") ;;
          *) files+=("$shots/$dpi-$theme-$arg.bmp") ;;
        esac
      done
      row="$state, $dpi dpi, theme $theme: $check ${args[*]}"
      if measured=$(python3 "$pixels" "$check" "${files[@]}"); then
        echo "looks: $row: $measured"
      else
        echo "looks: FAILED $row: $measured"
        failed+=("$row")
      fi
    done < <(rows)
  done
done
((${#failed[@]} == 0)) || e2e_fail "$(printf 'row failed: %s\n' "${failed[@]}")"
