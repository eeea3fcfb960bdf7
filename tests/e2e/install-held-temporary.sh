#!/usr/bin/env bash
# An on-access virus scanner opens each file just closed, and while it holds
# the temporary file the file cannot be moved over its target. holdfile.exe
# (tests/tools) holds kordex.exe's temporary file as such a scanner does;
# strace keeps the installer for 0.3 s between closing the file and moving
# it, so that the hold surely begins first (Wine has no scanner). While the
# move is tried again, the window answers within a second. Held for 0.8 s,
# the move succeeds on a later try and the run installs. Held for 5 s,
# longer than the installer tries (about 2 s), the run stops with the
# file-creation error naming kordex.exe, which stays as it was; Install
# again, once the hold is over, clears the temporary file and installs.
source "$(dirname "$0")/lib.sh"

# how long the file is held, ms; what the run does
rows=(
  "800 installs"
  "5000 stops"
)
for row in "${rows[@]}"; do
  read -r hold outcome <<<"$row"
  prefix=$(e2e_prefix root "$outcome")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  mkdir -p "$kordex"
  echo "the earlier kordex.exe" >"$kordex/kordex.exe"
  cp "$kordex/kordex.exe" "$prefix/kordex.before"

  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
start ${TOOLS}\holdfile.exe C:\Kordex\~KS000.tmp ${HOLD}
program 1
window ${CAPTION}
click #1003
expect-line #1006 7 "> kordex.exe file másolása..."
timeout 1
sync
timeout 10
SCRIPT
    if [[ $outcome == stops ]]; then
      echo 'msgbox "KORdex telepítő" "Cannot create file \"C:\\Kordex\\kordex.exe\". Sharing violation." ok icon=error'
      e2e_install_log 'C:\Kordex' OK kordex.exe
    else
      e2e_install_log 'C:\Kordex'
    fi
    # The file was held.
    printf 'program 2\nwait-exit 0\n'
    if [[ $outcome == stops ]]; then
      e2e_pause stopped
      printf 'click #1003\nexpect-line #1006 19 "Telepítés befejezve, kattints a Kilépés gombra"\n'
    fi
  } | e2e_drive_traced "$prefix" -o /dev/null -P "$kordex/~KS000.tmp" -e trace=close \
    -e inject=close:delay_enter=300000 -- HOLD="$hold" &
  driver=$!
  if [[ $outcome == stops ]]; then
    e2e_await "$prefix" stopped
    cmp "$prefix/kordex.before" "$kordex/kordex.exe" || e2e_fail "$outcome: the earlier kordex.exe was changed"
    e2e_resume "$prefix" stopped
  fi
  wait "$driver" || e2e_fail "$outcome: the run went wrong"
  e2e_expect_installed "$kordex"
done
