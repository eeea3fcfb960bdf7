#!/usr/bin/env bash
# A product name stored as a number ends the probe early, so no destination
# is ever chosen; Install then refuses to run and writes nothing.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
e2e_registry "$prefix" product-dword=1

e2e_drive "$prefix" <<'SCRIPT'
start ${INSTALLER}
msgbox "KORdex telepítő" "Invalid data type for 'ProductName'" ok icon=error buttons=ok
window ${CAPTION}
expect-lines #1006
  "> futási környezet ellenőrzése: "
end
click #1003
msgbox "Hiba!" "Nincs kiválasztva a telepítés helye! Kérlek válassz mappát a telepítés előtt." ok icon=error buttons=ok
expect-lines #1006
  "> futási környezet ellenőrzése: "
end
expect-visible #1003 yes
expect-enabled #1007 yes
expect-enabled #1010 yes
SCRIPT

# An empty destination would have put the files into the root of the drive.
root=$(e2e_c "$prefix" 'C:\')
for name in kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml; do
  [[ ! -e $root/$name ]] || e2e_fail "C:\\$name was written"
done
[[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "a shortcut was made"
