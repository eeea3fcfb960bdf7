#!/usr/bin/env bash
# Installing again into the same folder with new installer processes: the
# existing database is kept on No (the default button) and replaced on Yes;
# every other file is replaced both times.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
items=(kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt)

e2e_drive "$prefix" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1003
expect-line #1006 14 "Telepítés befejezve, kattints a Kilépés gombra"
SCRIPT
e2e_same_as_payload "$kordex" "${items[@]}"

# answer, the database entry's outcome, what the database holds afterwards
cases=(
  "no KIHAGYVA kept"
  "yes FELÜLÍRVA payload"
)
for case in "${cases[@]}"; do
  read -r answer outcome database <<<"$case"
  # Changed files tell a kept one from a replaced one.
  for item in "${items[@]}"; do
    echo "changed by the user before answering $answer" >"$kordex/$item"
  done
  cp "$kordex/datacore.kdx" "$prefix/datacore.before"

  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1003
# No is the default: Enter or a stray key keeps the user's data; only a deliberate Yes loses it.
msgbox "FIGYELMEZTETÉS!" "FONTOS FIGYELMEZTETÉS!\nA datacore.kdx fájl már létezik. Amennyiben felülírod, minden benne tárolt adat elveszik!\n\nBiztosan folytatod a műveletet?" ${ANSWER} default=no icon=warning buttons=yes,no
SCRIPT
    e2e_install_log 'C:\Kordex' "$outcome"
    cat <<'SCRIPT'
expect-visible #1003 no
SCRIPT
  } | e2e_drive "$prefix" ANSWER="$answer"

  if [[ $database == kept ]]; then
    e2e_expect_installed "$kordex" "$prefix/datacore.before"
  else
    e2e_expect_installed "$kordex"
  fi
done
