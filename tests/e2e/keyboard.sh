#!/usr/bin/env bash
# The installer used by keyboard alone: Alt+T installs and Alt+K leaves (with
# its question before an installation), through the same handlers as a
# click; Alt+T does nothing once Install is hidden; the folder dialog's own
# keys (Alt+V chooses, Alt+M and Esc cancel) and no key of the main
# window's there.
# The letters are underlined only after Alt is pressed (at once for a user who
# asked for it): screenshots before and after go to build/tests/e2e/shots.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
shots=$KORDEX_BUILD/tests/e2e/shots
mkdir -p "$shots"

# The log before any installation, as the first check leaves it.
waiting() {
  cat <<'SCRIPT'
expect-lines #1006
  "> futási környezet ellenőrzése: Microsoft Windows 7"
  "> írási jogosultság ellenőrzése: megfelelő"
  "> várakozás a felhasználóra..."
end
SCRIPT
}

# From start to installed to closed, unticking the release notes on the way.
# Input is queued in order: the Tab after the second Alt+T shows that Alt+T
# has been handled by the time the focus moves.
install_and_leave() {
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
expect-keyboard-cues #1003 hidden
expect-keyboard-cues #1002 hidden
shot ${SHOTS}/keys-start.bmp
key ALT
expect-keyboard-cues #1003 shown
expect-keyboard-cues #1002 shown
shot ${SHOTS}/keys-alt.bmp
# A lone Alt puts the window in menu mode, as on Windows; Esc leaves it.
key ESC
key SHIFT+TAB
expect-focus #1011
key SPACE
expect-checked #1011 no
key ALT+T
SCRIPT
  e2e_install_log 'C:\Kordex'
  cat <<'SCRIPT'
expect-visible #1003 no
expect-focus-window
key ALT+T
key TAB
expect-focus #1006
SCRIPT
  e2e_install_log 'C:\Kordex'
  cat <<'SCRIPT'
no-msgbox
shot ${SHOTS}/keys-installed.bmp
key ALT+K
wait-exit 0
start ${TOOLS}\desktop.exe no-process notepad.exe
wait-exit 0
SCRIPT
}

asks_before_installing() {
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
key ALT+K
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" no icon=question buttons=yes,no
SCRIPT
  waiting
  cat <<'SCRIPT'
expect-visible #1003 yes
key ALT+K
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" yes
wait-exit 0
SCRIPT
}

# The fourth location button by Tab and Space; in the dialog Alt+T is no
# key, Alt+M and Esc cancel and Alt+V chooses what the edit box holds.
folder_dialog() {
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
key TAB TAB TAB TAB
expect-focus #1010
key SPACE
window "Válaszd ki a telepítés helyét!"
expect-focus #2004
key ALT+T
key ALT+M
window ${CAPTION}
# Back on the button once Alt+M closed the dialog, so Alt+T, typed before
# it, has been handled by now.
expect-focus #1010
expect-text #1005 "C:\\Kordex"
expect-checked #1010 yes
SCRIPT
  waiting
  cat <<'SCRIPT'
key SPACE
window "Válaszd ki a telepítés helyét!"
settext #2004 "C:\\Máshol\\Kordex"
key ALT+V
window ${CAPTION}
expect-text #1005 "C:\\Máshol\\Kordex"
expect-line #1006 2 "> várakozás a felhasználóra..."
# Esc cancels as "Mégsem" does; with the drive list open, it closes the
# list first.
expect-focus #1010
key SPACE
window "Válaszd ki a telepítés helyét!"
settext #2004 "C:\\Harmadik\\Kordex"
key TAB TAB
expect-focus #2006
key F4
key ESC
key TAB
expect-focus #2004
expect-visible . yes
key ESC
expect-visible . no
window ${CAPTION}
expect-enabled . yes
expect-text #1005 "C:\\Máshol\\Kordex"
expect-focus #1010
close
wait-exit 0
SCRIPT
}

for case in asks_before_installing folder_dialog install_and_leave; do
  echo "== $case"
  $case | e2e_drive "$prefix" SHOTS="$shots"
done

# A user who asked Windows to underline access keys always sees them at once.
cues_prefix=$(e2e_prefix root cues)
e2e_registry "$cues_prefix" keyboard-cues=on
e2e_drive "$cues_prefix" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-keyboard-cues #1003 shown
expect-keyboard-cues #1002 shown
close
wait-exit 0
SCRIPT

# The run Alt+T started wrote what a click's run writes.
kordex=$(e2e_c "$prefix" 'C:\Kordex')
e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
e2e_expect_shortcut "$prefix" 'C:\Kordex\kordex.exe' 'C:\Kordex'
