#!/usr/bin/env bash
# Two installers into one folder at the same moment. The first run is held
# (holdclose.so, tests/tools) right after it closes kordex.exe's temporary
# file and before it moves it into place; meanwhile the second run starts,
# clears the folder's leftovers as every run does, and installs. Then the
# first goes on: its temporary file was not taken for a leftover, its move
# succeeds, it asks about the database the second wrote (No), and the folder
# holds exactly one whole installation and the shortcut.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
mkdir -p "$kordex"
# The driver's side of the hold: wait for it, and let it go.
printf ':wait\r\nif not exist C:\\held goto wait\r\n' >"$prefix/drive_c/held.cmd"
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
start C:\windows\system32\cmd.exe /c C:\held.cmd
wait-exit 0
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
} | {
  E2E_DRIVER_LAUNCH=(env LD_PRELOAD="$KORDEX_BUILD/tests/tools/holdclose.so"
    KORDEX_HOLD_FILE="$(realpath "$kordex")/~KS000.tmp" KORDEX_HOLD_MARKERS="$(realpath "$prefix/drive_c")")
  e2e_drive "$prefix"
} || e2e_fail "the two runs went wrong"

[[ -e $prefix/drive_c/held ]] || e2e_fail "the first run was never held between its close and its move"
e2e_expect_installed "$kordex"
e2e_expect_shortcut "$prefix" 'C:\Kordex\kordex.exe' 'C:\Kordex'
