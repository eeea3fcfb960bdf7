#!/usr/bin/env bash
# Copies of the installer with a payload item damaged or missing: the items
# before it are written, then the item's error stops the run, nothing of it
# or after it reaches the disk, and no shortcut is made.
source "$(dirname "$0")/lib.sh"
copy_dir=$KORDEX_BUILD/tests/e2e/$E2E_NAME
mkdir -p "$copy_dir"

# The item is stored as is in the executable: find its bytes, flip one in
# the middle: `damage_item EXE ITEM-FILE`.
damage_item() {
  python3 - "$1" "$PAYLOAD/$2" <<'PYTHON'
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
}

# Gives the item's entry in the raw-data resource directory the id 0, which
# no item has (pefile reads and writes the directory; the entries stay in
# the ascending order that a lookup relies on): `hide_item EXE ID`. Debian's
# pefile is a module of the system's Python.
hide_item() {
  /usr/bin/python3 - "$1" "$2" <<'PYTHON'
import sys
import pefile
path, item = sys.argv[1], int(sys.argv[2])
pe = pefile.PE(path)
rcdata = next(t for t in pe.DIRECTORY_ENTRY_RESOURCE.entries if t.id == pefile.RESOURCE_TYPE["RT_RCDATA"])
entry = next(e for e in rcdata.directory.entries if e.id == item)
entry.struct.Name = 0
pe.write(path)
PYTHON
}

# case | how the copy is made | the error box | the item whose entry the log
# ends with | what the destination holds then
rows=(
  "damaged-notes|damage_item \$copy olvass_el.txt|Payload item 5 (olvass_el.txt) is damaged; nothing of it was written.|olvass_el.txt|kordex.exe datacore.kdx libeay32.dll ssleay32.dll"
  "missing-program|hide_item \$copy 1|Resource 1 not found.|kordex.exe|"
)
for row in "${rows[@]}"; do
  IFS='|' read -r case make box stop written <<<"$row"
  echo "== $case"
  prefix=$(e2e_prefix root "$case")
  copy=$copy_dir/$case.exe
  cp "$KORDEX_BUILD/KORdexSetup.exe" "$copy"
  eval "$make" || e2e_fail "$case: could not make the copy"
  {
    cat <<'SCRIPT'
start ${COPY}
window ${CAPTION}
click #1003
msgbox "KORdex telepítő" "${BOX}" ok icon=error buttons=ok
SCRIPT
    e2e_install_log 'C:\Kordex' OK "$stop"
    echo 'expect-visible #1003 yes'
  } | e2e_drive "$prefix" COPY="K:\\tests\\e2e\\$E2E_NAME\\$case.exe" BOX="$box" || e2e_fail "$case: the run went wrong"

  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  # shellcheck disable=SC2086 # the names are words
  e2e_holds "$kordex" $written excel xml
  # shellcheck disable=SC2086
  e2e_same_as_payload "$kordex" $written
  [[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "$case: a shortcut was made"
done
rm -rf "$copy_dir"
