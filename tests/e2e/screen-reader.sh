#!/usr/bin/env bash
# The window as a screen reader meets it, through the accessible objects it
# asks for from another process: the two speed buttons are push buttons
# named by their captions, with their access keys and the default action
# "press", which does what a click does; a hidden Install reports so and
# refuses, and so do both while a message box keeps the window from input.
# The other controls keep the system's own objects: the picture buttons and
# the check box are named by their captions, and the chosen location's mark
# is the check the system's button object reads.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
SCRIPT
  # control | name | shortcut
  for button in '#1003|Telepítés|Alt+T' '#1002|Kilépés|Alt+K'; do
    IFS='|' read -r control name shortcut <<<"$button"
    printf 'expect-accessible %s\n' "$control role pushbutton" "$control name \"$name\"" "$control state none" \
      "$control shortcut \"$shortcut\"" "$control default-action \"press\""
  done
  # control | name | marked
  for button in '#1007|Alapértelmezett|yes' '#1008|Dokumentumok|no' '#1009|Asztal|no' '#1010|Egyéb (Tallóz...)|no'; do
    IFS='|' read -r control name marked <<<"$button"
    printf 'expect-accessible %s name "%s"\nexpect-checked %s %s\n' "$control" "$name" "$control" "$marked"
  done
  cat <<'SCRIPT'
expect-accessible #1011 name "Telepítés után a kiadási megjegyzések elolvasása"
do-default-action #1002
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" -
SCRIPT
  # While the box is open the window takes no input: the buttons say so,
  # and refuse a press.
  for control in '#1003' '#1002'; do
    printf '%s\n' "expect-accessible $control state unavailable" "do-default-action $control refused"
  done
  cat <<'SCRIPT'
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" no icon=question buttons=yes,no
no-msgbox
expect-accessible #1003 state none
do-default-action #1003
SCRIPT
  e2e_install_log 'C:\Kordex'
  cat <<'SCRIPT'
expect-accessible #1003 state invisible
do-default-action #1003 refused
no-msgbox
click #1011
expect-checked #1011 no
do-default-action #1002
wait-exit 0
SCRIPT
} | e2e_drive "$prefix"

kordex=$(e2e_c "$prefix" 'C:\Kordex')
e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
