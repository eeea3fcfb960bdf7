#!/usr/bin/env bash
# The first three location buttons set, show and check their destinations:
# the documents folder from the registry with %USERPROFILE% expanded in any
# letter case, a folder on another drive, a drive that does not exist, a
# folder that already holds files, and clicking the same button twice.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
user=$(sandbox_profile_user "$prefix")
data=$prefix/drive-d
mkdir -p "$data"
sandbox_map "$prefix" d: "$data"
shots=$KORDEX_BUILD/tests/e2e/shots
mkdir -p "$shots"
e2e_registry "$prefix" product="Windows 7 Ultimate"

# The check's verdict as the log shows it.
passed() {
  printf '"> futási környezet ellenőrzése: Windows 7 Ultimate"\n"> írási jogosultság ellenőrzése: megfelelő"\n'
  printf '"> várakozás a felhasználóra..."\n'
}
failed() {
  printf '"> futási környezet ellenőrzése: Windows 7 Ultimate"\n"> írási jogosultság ellenőrzése: nem megfelelő"\n'
  printf '""\n"!FIGYELEM!"\n'
  printf '"Az alapértelmezett könyvtárba írási jogosultság hiánya miatt nem telepíthető a program. Kérlek futtasd a programot rendszergazda módban, vagy válassz másik mappát! (pl.: Dokumentumok, vagy Asztal)"\n'
  printf '""\n"> várakozás a felhasználóra..."\n'
}

# personal value | destination the Documents button shows | verdict
cases=(
  "%USERPROFILE%\\Documents|C:\\users\\$user\\Documents\\Kordex|passed"
  "%userprofile%\\Documents|C:\\users\\$user\\Documents\\Kordex|passed"
  "D:\\Data\\Docs|D:\\Data\\Docs\\Kordex|passed"
  "Q:\\Docs|Q:\\Docs\\Kordex|failed"
)
for case in "${cases[@]}"; do
  IFS='|' read -r personal destination verdict <<<"$case"
  e2e_registry "$prefix" personal="$personal"
  script=$(cat <<SCRIPT
start \${INSTALLER}
window \${CAPTION}
$(passed | sed '1s/^/expect-lines #1006\n/; $s/$/\nend/')
click #1008
expect-text #1005 "\${DESTINATION}"
expect-lines #1006
$($verdict)
end
# The same button again: one verdict, not two.
click #1008
sync
expect-lines #1006
$($verdict)
end
click #1007
expect-text #1005 "C:\\\\Kordex"
$(passed | sed '1s/^/expect-lines #1006\n/; $s/$/\nend/')
close
wait-exit 0
SCRIPT
)
  e2e_drive "$prefix" DESTINATION="$destination" <<<"$script"
done
# A passing check removes only the last level it made; the parents stay.
[[ -d $data/Data/Docs && ! -e $data/Data/Docs/Kordex ]] || e2e_fail "D:\\Data\\Docs should stay, its Kordex go"
[[ ! -e $prefix/drive_c/users/$user/Documents/Kordex ]] || e2e_fail "the documents' Kordex folder was left behind"

# A destination that already holds files is kept, and passes.
mkdir -p "$data/Full/Kordex"
echo keep >"$data/Full/Kordex/keep.txt"
e2e_registry "$prefix" personal='D:\Full' desktop='D:\R&D'
e2e_drive "$prefix" SHOTS="$shots" <<SCRIPT
start \${INSTALLER}
window \${CAPTION}
click #1008
expect-text #1005 "D:\\\\Full\\\\Kordex"
expect-lines #1006
$(passed)
end
# The destination is shown as it is: a folder named R&D must read R&D, not RD with an underlined D.
click #1009
expect-text #1005 "D:\\\\R&D\\\\Kordex"
expect-style #1005 00000080 00000080
shot \${SHOTS}/location-desktop.bmp
close
wait-exit 0
SCRIPT
[[ -f $data/Full/Kordex/keep.txt ]] || e2e_fail "a destination holding files lost them"
