#!/usr/bin/env bash
# As an unprivileged user (as root, Wine lets every write through): a folder
# the user may only read, and one that cannot be made inside a read-only
# folder, fail the check with the warning; the folder is left as it was.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix user)
e2e_registry "$prefix" product="Windows 7 Ultimate"
bench_as_owner "$prefix" mkdir -p "$prefix/drive_c/Locked/Kordex" "$prefix/drive_c/Closed"
chmod 555 "$prefix/drive_c/Locked/Kordex" "$prefix/drive_c/Closed"

for personal in 'C:\Locked' 'C:\Closed'; do
  e2e_registry "$prefix" personal="$personal"
  e2e_drive "$prefix" DESTINATION="$personal\\Kordex" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
click #1008
expect-text #1005 "${DESTINATION}"
expect-lines #1006
  "> futási környezet ellenőrzése: Windows 7 Ultimate"
  "> írási jogosultság ellenőrzése: nem megfelelő"
  ""
  "!FIGYELEM!"
  "Az alapértelmezett könyvtárba írási jogosultság hiánya miatt nem telepíthető a program. Kérlek futtasd a programot rendszergazda módban, vagy válassz másik mappát! (pl.: Dokumentumok, vagy Asztal)"
  ""
  "> várakozás a felhasználóra..."
end
# Install stays available after a failed check.
expect-visible #1003 yes
close
wait-exit 0
SCRIPT
done
[[ -d $prefix/drive_c/Locked/Kordex ]] || e2e_fail "the read-only destination was removed"
[[ ! -e $prefix/drive_c/Closed/Kordex ]] || e2e_fail "a folder appeared inside a read-only folder"
