#!/usr/bin/env bash
# Two installers into one folder at the same moment. The first run is held
# (wait_after_close.so, tests/tools) right after it closes kordex.exe's temporary
# file and before it moves it into place; meanwhile the second run starts,
# clears the folder's leftovers as every run does, and installs. Then the
# first goes on: its temporary file was not taken for a leftover, its move
# succeeds, it asks about the database the second wrote (No), and the folder
# holds exactly one whole installation and the shortcut.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
mkdir -p "$kordex"
# The driver's side of the hold: let it go.
printf 'echo go> C:\\go\r\n' >"$prefix/drive_c/go.cmd"

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
program 1
window ${CAPTION}
click #1003
timeout 60
expect-file C:\held
program 2
window ${CAPTION}
click #1003
SCRIPT
  e2e_install_log 'C:\Kordex'
  cat <<'SCRIPT'
start C:\windows\system32\cmd.exe /c C:\go.cmd
wait-exit 0
program 1
window ${CAPTION}
msgbox "FIGYELMEZTETÉS!" * no
SCRIPT
  e2e_install_log 'C:\Kordex' KIHAGYVA
} | e2e_drive_preloaded "$prefix" wait_after_close KORDEX_WAIT_AFTER_CLOSE_OF="$(realpath "$kordex")/~KS000.tmp" \
  KORDEX_WAIT_FOR="$(realpath "$prefix/drive_c")/go" KORDEX_WAIT_REACHED="$(realpath "$prefix/drive_c")/held" -- ||
  e2e_fail "the two runs went wrong"

[[ -e $prefix/drive_c/held ]] || e2e_fail "the first run was never held between its close and its move"
e2e_expect_installed "$kordex"
e2e_expect_shortcut "$prefix" 'C:\Kordex\kordex.exe' 'C:\Kordex'
