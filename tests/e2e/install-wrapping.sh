#!/usr/bin/env bash
# A destination so long that its folder-creation entry wraps onto a second
# line of the log box: every outcome still lands on its own entry, and the
# installation is complete there. Chosen through the Documents button.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
documents='C:\Dokumentumok\Egy hosszú nevű mappa a sortörés kipróbálásához'
destination="$documents\\Kordex"
e2e_registry "$prefix" personal="$documents"

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1008
expect-text #1005 ${DESTINATION}
expect-line #1006 2 "> várakozás a felhasználóra..."
click #1003
SCRIPT
  e2e_install_log "$destination"
  cat <<'SCRIPT'
# 15 entries on 16 lines: the folder entry, the only long one, wraps once.
start ${TOOLS}\desktop.exe edit-lines ${CAPTION} 1006 16
wait-exit 0
SCRIPT
} | e2e_drive "$prefix" DESTINATION="$destination"

kordex=$(e2e_c "$prefix" "$destination")
e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
e2e_same_as_payload "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt
# The shortcut's ANSI copies of the target write "nevű" as "nevu".
e2e_expect_shortcut "$prefix" "$destination\\kordex.exe" "$destination" "${destination/nevű/nevu}\\kordex.exe"
