#!/usr/bin/env bash
# An error that no handler catches is shown in the default error box (the
# application's title, error icon, one OK button, the full-stop rule) and the
# program runs on; an error in the show event does not keep the window hidden.
# One box at a time: an error raised while the box is open is not shown
# again, and a paint that fails is not tried over and over. An error shown
# after its owner is destroyed is still shown.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)

# The button that raises the error | the box's text.
cases=(
  "#100|Resource 7 not found."
  "#101|Invalid data type for 'ProductName'"
  "#102|Már van pont."
  "#103|Kérdés?."
  "#104|Figyelem!"
  "#105|Zárójelben (ez)"
  "#200|Standard library error."
  "#201|Ár: 5 €."
  "#204|Internal error: basic_string: construction from null is not valid."
  "#205|Internal error: basic_string::at: __n (which is 5) >= this->size() (which is 3)"
  "#206|Internal error: basic_string::_M_create."
)
{
  printf 'start K:\\tests\\errors\\throwing_window.exe\nwindow "Hibadoboz próba"\n'
  for case in "${cases[@]}"; do
    printf 'click %s\nmsgbox "KORdex telepítő" "%s" ok icon=error buttons=ok\n' "${case%%|*}" "${case#*|}"
  done
  cat <<'SCRIPT'
# Still running and answering.
click #300
expect-text #300 "1"
# A second error while the first box is open: handled (the click after it
# counts), not shown.
click #100
msgbox "KORdex telepítő" "Resource 7 not found." -
click #101
click #300
expect-text #300 "2"
msgbox "KORdex telepítő" "Resource 7 not found." ok
no-msgbox
# A failing paint (the paint begun, so its area is valid): one box, and the
# child is not painted again and again.
click #202
msgbox "KORdex telepítő" "Hiba rajzolás közben." ok icon=error buttons=ok
click #203
expect-text #203 "2"
no-msgbox
close
wait-exit 0
SCRIPT
} | e2e_drive "$prefix"

e2e_drive "$prefix" <<'SCRIPT'
start K:\tests\errors\throwing_window.exe show
msgbox "KORdex telepítő" "Hiba a megjelenítéskor." ok icon=error buttons=ok
window "Hibadoboz próba"
expect-visible #300 yes
click #300
expect-text #300 "1"
close
wait-exit 0
SCRIPT

# An error at a start that fails once its main window is made is shown with
# no owner, since the main window, destroyed, can own no box (the system's
# reason in Wine's wording).
e2e_drive "$prefix" <<'SCRIPT'
start K:\tests\errors\throwing_window.exe gone
msgbox "KORdex telepítő" "Cannot create window: Class does not exist." ok icon=error buttons=ok
wait-exit 1
SCRIPT
