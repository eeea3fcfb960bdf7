#!/usr/bin/env bash
# Windows XP, Vista and 7 pass the system check; any other product name gets
# the refusal box, after which the installer ends having written nothing.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
# Past the refusal the installer would make the folder C:\Probe on its way to
# the default destination C:\Probe\Kordex; so its absence shows nothing ran.
e2e_registry "$prefix" homedrive='C:\Probe'

for product in "Microsoft Windows XP" "Windows Vista (TM) Business" "Windows 7 Professional" "Windows 7 Ultimate"; do
  e2e_registry "$prefix" product="$product"
  e2e_drive "$prefix" PRODUCT="$product" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 0 "> futási környezet ellenőrzése: ${PRODUCT}"
expect-text #1005 "C:\\Probe\\Kordex"
close
wait-exit 0
SCRIPT
done
[[ -d $prefix/drive_c/Probe ]] || e2e_fail "a supported system did not check C:\\Probe\\Kordex"
rm -rf "$prefix/drive_c/Probe"

for product in "Windows 8.1 Pro" "Windows 10 Pro" ""; do
  e2e_registry "$prefix" product="$product"
  e2e_drive "$prefix" <<'SCRIPT'
start ${INSTALLER}
msgbox "Hiba!" "Nem kompatibilis operációs rendszer! A telepítő leáll." ok icon=error buttons=ok
wait-exit 0
SCRIPT
  [[ ! -e $prefix/drive_c/Probe ]] || e2e_fail "the installer went on after refusing '$product'"
done
