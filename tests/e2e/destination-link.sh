#!/usr/bin/env bash
# C:\Kordex as a link to a folder on another drive (on Windows a junction;
# Wine shows a Linux symbolic link as a folder that is a reparse point): the
# destination check leaves the link, and the folder it points to, as they
# were, and the installation goes through the link into that folder, asking
# about a database already there. Removing the link's folder on the check
# would, under Wine, remove the empty folder it points to; on Windows the
# link itself, whatever it points to.
source "$(dirname "$0")/lib.sh"

# what the linked folder holds; the database entry's outcome
rows=(
  "nothing OK"
  "database KIHAGYVA"
)
for row in "${rows[@]}"; do
  read -r holds outcome <<<"$row"
  prefix=$(e2e_prefix root "$holds")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  data=$prefix/drive-d
  mkdir -p "$data/Kordex"
  sandbox_map "$prefix" d: "$data"
  ln -s "$data/Kordex" "$kordex"
  kept=
  if [[ $holds == database ]]; then
    echo "the user's database" >"$data/Kordex/datacore.kdx"
    kept=$prefix/datacore.before
    cp "$data/Kordex/datacore.kdx" "$kept"
  fi

  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
SCRIPT
    # Checked on the Linux side while the installer waits.
    e2e_pause checked
    echo 'click #1003'
    [[ $holds == database ]] && echo 'msgbox "FIGYELMEZTETÉS!" * no'
    e2e_install_log 'C:\Kordex' "$outcome"
  } >"$prefix/scenario.in"
  e2e_drive "$prefix" <"$prefix/scenario.in" &
  driver=$!
  e2e_await "$prefix" checked
  [[ -L $kordex && $(readlink "$kordex") == "$data/Kordex" ]] || e2e_fail "$holds: the check removed the link"
  [[ -d $data/Kordex ]] || e2e_fail "$holds: the check removed the folder the link points to"
  if [[ $holds == database ]]; then e2e_holds "$data/Kordex" datacore.kdx; else e2e_holds "$data/Kordex"; fi
  e2e_resume "$prefix" checked
  wait "$driver" || e2e_fail "$holds: the installation went wrong"

  [[ -L $kordex ]] || e2e_fail "$holds: the installation replaced the link"
  e2e_expect_installed "$data/Kordex" $kept
done
