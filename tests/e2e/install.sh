#!/usr/bin/env bash
# An undisturbed installation into C:\Kordex: every step logged word for word,
# the five payload files byte for byte, the empty excel and xml folders, the
# desktop shortcut to kordex.exe, and the window's installed state.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)

shots=$KORDEX_BUILD/tests/e2e/shots
mkdir -p "$shots"
{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
click #1003
SCRIPT
  e2e_install_log 'C:\Kordex'
  cat <<'SCRIPT'
expect-visible #1003 no
expect-enabled #1007 no
expect-enabled #1008 no
expect-enabled #1009 no
expect-enabled #1010 no
expect-font #1002 Tahoma -11 700
expect-focus-window
no-msgbox
shot ${SHOTS}/installed.bmp
SCRIPT
} | e2e_drive "$prefix" SHOTS="$shots"

kordex=$(e2e_c "$prefix" 'C:\Kordex')
e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
e2e_same_as_payload "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt
e2e_holds "$kordex/excel"
e2e_holds "$kordex/xml"

e2e_expect_shortcut "$prefix" 'C:\Kordex\kordex.exe' 'C:\Kordex'
