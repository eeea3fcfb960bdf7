#!/usr/bin/env bash
# The installer killed in the middle of replacing the user's database (the
# question answered Yes): the database stays whole, at most the installer's
# own temporary file is left, and the next run in that folder, answered No,
# clears it (it writes no database that would take its place) and installs
# as usual. The kill is made exact by
# tracing the installer: it dies as it starts writing its temporary file.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
# The temporary name of the database, as long as its own name.
temporary=$kordex/~KS00000.tmp
items=(kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt)

mkdir -p "$kordex/excel" "$kordex/xml"
for item in "${items[@]}"; do echo "the earlier $item" >"$kordex/$item"; done
cp -a "$kordex" "$prefix/earlier"

# Strace kills whichever of the driver's processes first writes to the
# temporary file: the installer.
e2e_drive_traced "$prefix" -o /dev/null -P "$temporary" -e trace=write,pwrite64,writev,pwritev \
  -e inject=write,pwrite64,writev,pwritev:signal=KILL -- <<'SCRIPT' || e2e_fail "the traced run did not end as planned"
start ${INSTALLER}
window ${CAPTION}
click #1003
msgbox "FIGYELMEZTETÉS!" * yes
wait-exit *
SCRIPT
[[ -e $temporary ]] || e2e_fail "the installer was not killed while its temporary file existed"
e2e_holds "$kordex" "${items[@]}" excel xml "$(basename "$temporary")"
e2e_same_as_payload "$kordex" kordex.exe
for item in "${items[@]:1}"; do
  cmp "$prefix/earlier/$item" "$kordex/$item" || e2e_fail "the earlier $item was changed by the killed run"
done

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1003
msgbox "FIGYELMEZTETÉS!" * no
SCRIPT
  e2e_install_log 'C:\Kordex' KIHAGYVA
} | e2e_drive "$prefix"
e2e_expect_installed "$kordex" "$prefix/earlier/datacore.kdx"
