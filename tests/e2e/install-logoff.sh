#!/usr/bin/env bash
# A logoff or shutdown does not end the run halfway: Windows asks each
# window first (the end-of-session query), and while the run is in progress
# the installer answers no (XP then cancels the logoff; Vista and 7 let the
# user force it); ended halfway, the run would leave the folder half old, half
# new, without a shortcut. Idle it never holds the session up: before the
# run, after it, once an error has ended it (its error box still open), and
# while the Exit question is open. (Windows Vista and 7 also show a reason
# beside the installer, "Telepítés folyamatban"; Wine has no such list.)
# The database question keeps the run in progress as long as it is open.
source "$(dirname "$0")/lib.sh"

# how the run ends: the database question answered No; an error, the
# earlier kordex.exe being a folder the run cannot replace
for ending in question error; do
  prefix=$(e2e_prefix root "$ending")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  mkdir -p "$kordex"
  case $ending in
    question) echo "the user's database" >"$kordex/datacore.kdx" ;;
    error) mkdir "$kordex/kordex.exe" ;;
  esac

  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
expect-end-session . yes
click #1003
SCRIPT
    if [[ $ending == question ]]; then
      cat <<'SCRIPT'
msgbox "FIGYELMEZTETÉS!" * -
expect-end-session . no
msgbox "FIGYELMEZTETÉS!" * no
SCRIPT
      e2e_install_log 'C:\Kordex' KIHAGYVA
      echo 'expect-end-session . yes'
    else
      cat <<'SCRIPT'
timeout 30
msgbox "KORdex telepítő" * -
timeout 10
expect-end-session . yes
msgbox "KORdex telepítő" * ok
expect-end-session . yes
click #1002
msgbox "Kilépés" * -
expect-end-session . yes
msgbox "Kilépés" * yes
wait-exit 0
SCRIPT
    fi
  } | e2e_drive "$prefix" || e2e_fail "$ending: the end-of-session query was answered wrongly"
done
