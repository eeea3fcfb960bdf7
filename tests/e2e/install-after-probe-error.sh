#!/usr/bin/env bash
# A registry value of the wrong kind ends the probe with the registry's
# error, and no destination check runs. Install then goes where the probe
# got: a product name stored as a number ends it before any destination is
# chosen, so Install refuses to run and writes nothing (the files would
# otherwise land in the root of the drive); a "Personal" folder stored as a
# number ends it after the destination C:\Kordex was chosen (but before it
# is shown), and Install installs there; leaving then opens the release
# notes of C:\Kordex, not a stranger's olvass_el.txt in the root of the drive.
source "$(dirname "$0")/lib.sh"

# the value stored as a number; what Install does
rows=(
  "product-dword ProductName refused"
  "personal-dword Personal installs"
)
for row in "${rows[@]}"; do
  read -r setting value outcome <<<"$row"
  prefix=$(e2e_prefix root "$outcome")
  e2e_registry "$prefix" "$setting=1"
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  # A stranger's file where the notes would be looked for without a destination.
  [[ $outcome == refused ]] || echo "Egy idegen jegyzete" >"$(e2e_c "$prefix" 'C:\olvass_el.txt')"

  {
    cat <<'SCRIPT'
start ${INSTALLER}
msgbox "KORdex telepítő" "Invalid data type for '${VALUE}'" ok icon=error buttons=ok
window ${CAPTION}
expect-lines #1006
  "> futási környezet ellenőrzése: "
end
# Showing the destination comes after the probe, so the label is still empty.
expect-text #1005 ""
click #1003
SCRIPT
    if [[ $outcome == refused ]]; then
      cat <<'SCRIPT'
# Refused on purpose, though a run with an empty destination would simply
# write into the drive's root: nobody chose that folder, and a stranger's
# files there would be overwritten.
msgbox "Hiba!" "Nincs kiválasztva a telepítés helye! Kérlek válassz mappát a telepítés előtt." ok icon=error buttons=ok
expect-lines #1006
  "> futási környezet ellenőrzése: "
end
expect-visible #1003 yes
expect-enabled #1007 yes
expect-enabled #1010 yes
SCRIPT
    else
      # The installation's log, but the probe's entry alone before the run's.
      e2e_install_log 'C:\Kordex' | sed -e '2s/:.*"$/: "/' -e '3,4d'
      # Notepad's edit control has no ID of its own.
      cat <<'SCRIPT'
expect-visible #1003 no
click #1002
wait-exit 0
start ${TOOLS}\desktop.exe windows Notepad "olvass_el.txt - Notepad"
wait-exit 0
start ${TOOLS}\desktop.exe edit-starts "olvass_el.txt - Notepad" 0 "KORdex 1.2"
wait-exit 0
SCRIPT
    fi
  } | e2e_drive "$prefix" VALUE="$value"

  if [[ $outcome == refused ]]; then
    root=$(e2e_c "$prefix" 'C:\')
    for name in kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml; do
      [[ ! -e $root/$name ]] || e2e_fail "$outcome: C:\\$name was written"
    done
    [[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "$outcome: a shortcut was made"
  else
    e2e_expect_installed "$kordex"
    e2e_expect_shortcut "$prefix" 'C:\Kordex\kordex.exe' 'C:\Kordex'
  fi
done
