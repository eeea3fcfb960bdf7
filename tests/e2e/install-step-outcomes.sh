#!/usr/bin/env bash
# Steps that cannot do their work say SIKERTELEN and the run goes on: a file
# named excel where the folder should be; a desktop the user may not write,
# so no shortcut. And a destination without a drive (no HOMEDRIVE value
# gives "\Kordex"): the log shows it as chosen, while the files and the
# shortcut use the full path it stood for when it was checked, so the
# shortcut starts the kordex.exe that was installed. The folder dialog moves
# the current folder: browsing to another drive and cancelling leaves the
# run writing where the check looked.
# Run as the unprivileged test user: Wine lets root write everywhere.
source "$(dirname "$0")/lib.sh"

# The installation log of C:\Kordex with one step's outcome changed:
# `log_with DESTINATION STEP-TEXT OUTCOME`.
log_with() {
  local line
  e2e_install_log "$1" | while IFS= read -r line; do
    [[ $line == "  \"$2OK\"" ]] && line="  \"$2$3\""
    printf '%s\n' "$line"
  done
}

# case; the destination as the log shows it; the step whose outcome changes
# A step that did not do its work says SIKERTELEN, never OK: the user must learn the installation is incomplete.
rows=(
  "excel-is-a-file    C:\\Kordex  > [excel] mappa létrehozása...         SIKERTELEN"
  "desktop-read-only  C:\\Kordex  > parancsfile létrehozása az asztalon... SIKERTELEN"
  "no-home-drive      \\Kordex    -                                        OK"
)
for row in "${rows[@]}"; do
  read -r case shown rest <<<"$row"
  step=${rest% *}
  step=${step%"${step##*[! ]}"}
  outcome=${rest##* }
  prefix=$(e2e_prefix user "$case")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  desktop=$(e2e_desktop "$prefix")
  case $case in
    excel-is-a-file)
      sandbox_as_owner "$prefix" mkdir "$kordex"
      sandbox_as_owner "$prefix" touch "$kordex/excel"
      ;;
    desktop-read-only) chmod 555 "$desktop" ;;
    no-home-drive)
      # Mapped before Wine first looks at the drives.
      sandbox_as_owner "$prefix" mkdir "$prefix/drive-d"
      sandbox_map "$prefix" d: "$prefix/drive-d"
      sandbox_reg "$prefix" 'HKCU\Volatile Environment' HOMEDRIVE delete
      ;;
  esac

  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-text #1005 ${SHOWN}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
SCRIPT
    if [[ $case == no-home-drive ]]; then
      cat <<'SCRIPT'
click #1010
window "Válaszd ki a telepítés helyét!"
choose #2006 "D:"
expect-selection #2005 "D:\\"
click #2002
expect-visible . no
window ${CAPTION}
expect-text #1005 ${SHOWN}
SCRIPT
    fi
    echo 'click #1003'
    log_with "$shown" "$step" "$outcome"
    echo 'expect-visible #1003 no'
  } >"$prefix/scenario.in"
  # The installer's current folder is the driver's, here C:\ of the prefix:
  # "\Kordex" stands for C:\Kordex.
  (cd "$prefix/drive_c" && e2e_drive "$prefix" SHOWN="$shown" <"$prefix/scenario.in") ||
    e2e_fail "$case: the run went wrong"

  e2e_same_as_payload "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt
  case $case in
    excel-is-a-file) [[ -f $kordex/excel ]] || e2e_fail "$case: the file excel was replaced" ;;
    desktop-read-only) [[ ! -e $desktop/Kordex.lnk ]] || e2e_fail "$case: a shortcut was made" ;;
    no-home-drive)
      e2e_expect_shortcut "$prefix" 'C:\Kordex\kordex.exe' 'C:\Kordex'
      e2e_holds "$prefix/drive-d"
      ;;
  esac
done
