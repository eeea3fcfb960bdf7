#!/usr/bin/env bash
# As an unprivileged user (as root, Wine lets every write through): a folder
# the user may only read, and one that cannot be made inside a read-only
# folder, fail the check with the warning; the folder is left as it was.
# Install stays available after a failed check: the waiting entry gets its
# "OK", the folders that cannot be made say SIKERTELEN and the run stops at
# kordex.exe with the file-creation error. Install again runs the same way
# after the first run's entries, and the waiting entry reads "...OKOK".
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix user)
e2e_registry "$prefix" product="Windows 7 Ultimate"
sandbox_as_owner "$prefix" mkdir -p "$prefix/drive_c/Locked/Kordex" "$prefix/drive_c/Closed"
chmod 555 "$prefix/drive_c/Locked/Kordex" "$prefix/drive_c/Closed"

# The log of the failed check, its waiting entry ending in WAITING, then
# each run's entries as far as kordex.exe; the destination folder's entry
# ends in FOLDER: `failed_log DESTINATION FOLDER WAITING RUNS`.
failed_log() {
  local destination=${1//\\/\\\\} run
  printf 'expect-lines #1006\n'
  printf '  "%s"\n' "> futási környezet ellenőrzése: Windows 7 Ultimate" "> írási jogosultság ellenőrzése: nem megfelelő" \
    "" "!FIGYELEM!" \
    "Az alapértelmezett könyvtárba írási jogosultság hiánya miatt nem telepíthető a program. Kérlek futtasd a programot rendszergazda módban, vagy válassz másik mappát! (pl.: Dokumentumok, vagy Asztal)" \
    "" "> várakozás a felhasználóra...$3"
  for ((run = 0; run < $4; run++)); do
    printf '  ""\n  "> \\"%s\\" mappa létrehozása...%s"\n' "$destination" "$2"
    printf '  "%s"\n' "> [excel] mappa létrehozása...SIKERTELEN" "> [xml] mappa létrehozása...SIKERTELEN" \
      "> kordex.exe file másolása..."
  done
  printf 'end\n'
}

# the Personal folder; whether its Kordex folder exists; the system's reason
# for not creating kordex.exe there, as Wine words it
rows=(
  'C:\Locked OK Access denied.'
  'C:\Closed SIKERTELEN Path not found.'
)
for row in "${rows[@]}"; do
  read -r personal folder reason <<<"$row"
  destination="$personal\\Kordex"
  e2e_registry "$prefix" personal="$personal"
  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
click #1008
expect-text #1005 "${DESTINATION}"
SCRIPT
    failed_log "$destination" "$folder" "" 0
    for waiting in OK OKOK; do
      cat <<'SCRIPT'
expect-visible #1003 yes
click #1003
msgbox "KORdex telepítő" "Cannot create file \"${DESTINATION}\\kordex.exe\". ${REASON}" ok icon=error buttons=ok
SCRIPT
      failed_log "$destination" "$folder" "$waiting" $((${#waiting} / 2))
    done
    printf 'close\nwait-exit 0\n'
  } | e2e_drive "$prefix" DESTINATION="$destination" REASON="$reason"
done
[[ -d $prefix/drive_c/Locked/Kordex ]] || e2e_fail "the read-only destination was removed"
[[ -z $(ls -A "$prefix/drive_c/Locked/Kordex") ]] || e2e_fail "something was written into the read-only destination"
[[ ! -e $prefix/drive_c/Closed/Kordex ]] || e2e_fail "a folder appeared inside a read-only folder"
