#!/usr/bin/env bash
# A read-only kordex.exe already in C:\Kordex stops the run at its step with
# the file-creation error: the folders are made, the file stays as it was,
# nothing after it is written, and the installer is left not installed.
# Run as the unprivileged test user: Wine lets root overwrite anything.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix user)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
# Mode 444 is how Wine keeps the read-only attribute of a file.
bench_as_owner "$prefix" mkdir "$kordex"
echo "an older kordex.exe" >"$kordex/kordex.exe"
chown --reference="$prefix" "$kordex/kordex.exe"
chmod 444 "$kordex/kordex.exe"
cp -p "$kordex/kordex.exe" "$prefix/kordex.before"

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
click #1003
msgbox "KORdex telepítő" "Cannot create file \"C:\\Kordex\\kordex.exe\". Access denied." ok icon=error buttons=ok
SCRIPT
  e2e_install_log 'C:\Kordex' OK kordex.exe
  cat <<'SCRIPT'
expect-visible #1003 yes
expect-enabled #1007 no
expect-enabled #1008 no
expect-enabled #1009 no
expect-enabled #1010 no
expect-font #1002 Tahoma -11 400
# Not installed: leaving asks first.
click #1002
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" yes icon=question buttons=yes,no
wait-exit 0
SCRIPT
} | e2e_drive "$prefix"

cmp "$prefix/kordex.before" "$kordex/kordex.exe" || e2e_fail "the read-only kordex.exe was changed"
e2e_holds "$kordex" kordex.exe excel xml
[[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "a shortcut was made"
