#!/usr/bin/env bash
# A copy of the installer whose release notes item has one byte changed:
# the items before it are written, then the damaged-item error stops the run
# and nothing of the damaged item reaches the disk.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
copy_dir=$KORDEX_BUILD/tests/e2e/$E2E_NAME
mkdir -p "$copy_dir"
cp "$KORDEX_BUILD/KORdexSetup.exe" "$copy_dir/KORdexSetup.exe"
# The item is stored as is in the executable: find its bytes, flip one in the middle.
python3 - "$copy_dir/KORdexSetup.exe" "$PAYLOAD/olvass_el.txt" <<'PYTHON'
import sys
exe_path, item_path = sys.argv[1:]
exe = bytearray(open(exe_path, "rb").read())
item = open(item_path, "rb").read()
at = exe.find(item)
if at < 0 or exe.find(item, at + 1) >= 0:
    sys.exit("install-damaged: the item is not in the installer exactly once")
exe[at + len(item) // 2] ^= 0x01
open(exe_path, "wb").write(exe)
PYTHON

{
  cat <<'SCRIPT'
start ${DAMAGED}
window ${CAPTION}
click #1003
msgbox "KORdex telepítő" "Payload item 5 (olvass_el.txt) is damaged; nothing of it was written." ok icon=error buttons=ok
SCRIPT
  e2e_install_log 'C:\Kordex' OK olvass_el.txt
  cat <<'SCRIPT'
expect-visible #1003 yes
SCRIPT
} | e2e_drive "$prefix" DAMAGED="K:\\tests\\e2e\\$E2E_NAME\\KORdexSetup.exe"

kordex=$(e2e_c "$prefix" 'C:\Kordex')
e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll excel xml
e2e_same_as_payload "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll
[[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "a shortcut was made"
rm -rf "$copy_dir"
