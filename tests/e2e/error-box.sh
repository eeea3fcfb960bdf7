#!/usr/bin/env bash
# An error that no handler catches is shown in the default error box (the
# application's title, error icon, one OK button, the full-stop rule) and the
# program runs on; an error in the show event does not keep the window hidden.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)

e2e_drive "$prefix" <<'SCRIPT'
start K:\tests\errors\throwing_window.exe
window "Hibadoboz próba"
click #100
msgbox "KORdex telepítő" "Resource 7 not found." ok icon=error buttons=ok
click #101
msgbox "KORdex telepítő" "Invalid data type for 'ProductName'" ok icon=error buttons=ok
click #102
msgbox "KORdex telepítő" "Már van pont." ok icon=error buttons=ok
click #103
msgbox "KORdex telepítő" "Kérdés?." ok icon=error buttons=ok
click #104
msgbox "KORdex telepítő" "Figyelem!" ok icon=error buttons=ok
click #105
msgbox "KORdex telepítő" "Zárójelben (ez)" ok icon=error buttons=ok
click #200
msgbox "KORdex telepítő" "Standard library error." ok icon=error buttons=ok
# Still running and answering.
click #300
expect-text #300 "1"
close
wait-exit 0
SCRIPT

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
