#!/usr/bin/env bash
# Leaving the installer: Exit asks before an installation (No keeps it all,
# Yes ends); the frame's close never asks; after an installation Exit closes
# at once, opening the release notes in Notepad when the box is ticked, after
# asking an open Notepad to close, and also when no program can open them.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
echo "an unrelated text" >"$(e2e_c "$prefix" 'C:\other.txt')"

# Each case is a driver script; these are the parts they share.
installed() {
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1003
expect-line #1006 14 "Telepítés befejezve, kattints a Kilépés gombra"
SCRIPT
}
# The installer has ended by now, so a Notepad it started would be running.
no_notepad() {
  cat <<'SCRIPT'
start ${TOOLS}\desktop.exe no-process notepad.exe
wait-exit 0
SCRIPT
}

asks_before_installing() {
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1002
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" no icon=question buttons=yes,no
expect-lines #1006
  "> futási környezet ellenőrzése: Microsoft Windows 7"
  "> írási jogosultság ellenőrzése: megfelelő"
  "> várakozás a felhasználóra..."
end
expect-text #1005 "C:\\Kordex"
expect-visible #1003 yes
expect-enabled #1007 yes
expect-checked #1011 yes
click #1002
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" yes icon=question buttons=yes,no
wait-exit 0
SCRIPT
}

frame_before_installing() {
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
syscommand SC_CLOSE
wait-exit 0
SCRIPT
}

frame_after_installing() {
  installed
  echo 'syscommand SC_CLOSE'
  echo 'wait-exit 0'
  no_notepad
}

notes_replace_open_notepad() {
  cat <<'SCRIPT'
start C:\windows\notepad.exe C:\other.txt
window "other.txt - Notepad"
SCRIPT
  installed
  cat <<'SCRIPT'
click #1002
wait-exit 0
start ${TOOLS}\desktop.exe windows Notepad "olvass_el.txt - Notepad"
wait-exit 0
SCRIPT
}

unticked_opens_nothing() {
  installed
  cat <<'SCRIPT'
click #1011
expect-checked #1011 no
click #1002
wait-exit 0
SCRIPT
  no_notepad
}

# The driver cannot step between programs, so the helper presses Exit
# once the notes are gone and passes on the installer's exit code.
deleted_notes_open_nothing() {
  installed
  cat <<'SCRIPT'
start C:\windows\system32\cmd.exe /c del C:\Kordex\olvass_el.txt
wait-exit 0
start ${TOOLS}\desktop.exe click ${CAPTION} 1002
wait-exit 0
SCRIPT
  no_notepad
}

# No program is associated with .txt (the case runs last: it takes the
# association away): the shell cannot open the notes, and the installer
# closes all the same, reporting nothing.
unopenable_notes_close_quietly() {
  installed
  cat <<'SCRIPT'
expect-checked #1011 yes
click #1002
wait-exit 0
SCRIPT
  no_notepad
}

for case in asks_before_installing frame_before_installing frame_after_installing notes_replace_open_notepad \
  unticked_opens_nothing deleted_notes_open_nothing unopenable_notes_close_quietly; do
  echo "== $case"
  rm -rf "$(e2e_c "$prefix" 'C:\Kordex')" "$(e2e_desktop "$prefix")/Kordex.lnk"
  if [[ $case == unopenable_notes_close_quietly ]]; then
    e2e_run "$prefix" reg delete 'HKCR\.txt' /f >/dev/null || e2e_fail "cannot remove the .txt association"
  fi
  $case | e2e_drive "$prefix"
done
