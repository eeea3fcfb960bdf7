#!/usr/bin/env bash
# One run at a time: with another program in front, Install is clicked; while
# the database question is open the main window takes no input, and a second
# click on Install or on a location button, posted meanwhile, starts nothing.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
mkdir -p "$kordex"
echo "the user's database" >"$kordex/datacore.kdx"
cp "$kordex/datacore.kdx" "$prefix/datacore.before"

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
start C:\windows\notepad.exe
window "Untitled - Notepad"
program 1
window ${CAPTION}
click #1003
msgbox "FIGYELMEZTETÉS!" * -
expect-enabled . no
click #1003
click #1007
# Posted after the clicks, so handled after them: once the check box shows
# the toggle, the clicks have been handled too.
click #1011
expect-checked #1011 no
msgbox "FIGYELMEZTETÉS!" * no
SCRIPT
  e2e_install_log 'C:\Kordex' KIHAGYVA
  cat <<'SCRIPT'
no-msgbox
expect-enabled . yes
SCRIPT
} | e2e_drive "$prefix"
e2e_expect_installed "$kordex" "$prefix/datacore.before"
