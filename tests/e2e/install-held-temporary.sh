#!/usr/bin/env bash
# Another program reads a file of the run for a moment, as an on-access
# virus scanner, an indexer or the shell reading an icon does: kordex.exe's
# temporary file just after the installer closed it, or the earlier
# kordex.exe from before the Install click. holdfile.exe (tests/tools) holds
# the file as such a reader does, and makes a marker once it holds it. The
# hold surely begins first: the earlier file's before the click (the driver
# waits for the marker), the temporary file's before the installer tries to
# move it (wait_after_close.so, preloaded, keeps the installer right after
# its close of that file until the marker appears; Wine has no scanner).
# Held for 0.8 s (the temporary file), or until the window has answered
# during the tries (the earlier file), the file is tried again and the run
# installs. Held for
# longer than the installer tries (6 s), the run stops with the
# file-creation error naming kordex.exe, which stays as it was, while the
# window answers within a second throughout; the hold ends with the error
# box, so the row takes no longer than the installer's tries; a key typed
# during the tries does not answer that box. Install again, the file no
# longer held, installs.
source "$(dirname "$0")/lib.sh"

# the file held; how long (ms; seen: until the window has answered during
# the tries; error: until the error box); what the run does
rows=(
  "temporary 800 installs"
  "temporary error stops"
  "earlier seen installs"
  "earlier error stops"
)
for row in "${rows[@]}"; do
  read -r held hold outcome <<<"$row"
  prefix=$(e2e_prefix root "$held-$outcome")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  mkdir -p "$kordex"
  echo "the earlier kordex.exe" >"$kordex/kordex.exe"
  cp "$kordex/kordex.exe" "$prefix/kordex.before"
  file='C:\Kordex\~KS000.tmp'
  [[ $held == earlier ]] && file='C:\Kordex\kordex.exe'
  # Held until the driver ends the hold.
  [[ $hold == [0-9]* ]] || hold=600000

  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
start ${TOOLS}\holdfile.exe ${FILE} ${HOLD} C:\held.marker
SCRIPT
    [[ $held == earlier ]] && echo 'expect-file C:\held.marker'
    printf 'program 1\nwindow ${CAPTION}\nclick #1003\n'
    if [[ $outcome == stops ]]; then
      # Answered while the file is tried again, not by the error box's loop:
      # no box yet once the window has answered. An Enter typed meanwhile,
      # meant for nothing on screen, does not close the error box unread.
      cat <<'SCRIPT'
expect-line #1006 7 "> kordex.exe file másolása..."
timeout 1
sync
no-msgbox
key ENTER
timeout 20
msgbox "KORdex telepítő" "Cannot create file \"C:\\Kordex\\kordex.exe\". Sharing violation." ok icon=error
timeout 10
SCRIPT
      e2e_install_log 'C:\Kordex' OK kordex.exe
      printf 'program 2\nkill\n'
      e2e_pause stopped
      printf 'click #1003\nexpect-line #1006 19 "Telepítés befejezve, kattints a Kilépés gombra"\n'
    elif [[ $held == earlier ]]; then
      # The window reads its messages during the step only between the
      # tries, the first of which comes before anything else of the step:
      # once it has shown the step's entry, the run has found the file held
      # and is trying again. The hold ends then, and the run installs.
      cat <<'SCRIPT'
expect-line #1006 7 "> kordex.exe file másolása..."
program 2
kill
program 1
window ${CAPTION}
SCRIPT
      e2e_install_log 'C:\Kordex'
    else
      e2e_install_log 'C:\Kordex'
      # The file was held.
      printf 'program 2\nwait-exit 0\n'
    fi
  } | e2e_drive_preloaded "$prefix" wait_after_close KORDEX_WAIT_AFTER_CLOSE_OF='Kordex/~KS000.tmp' \
    KORDEX_WAIT_FOR="$prefix/drive_c/held.marker" -- FILE="$file" HOLD="$hold" &
  driver=$!
  if [[ $outcome == stops ]]; then
    e2e_await "$prefix" stopped
    cmp "$prefix/kordex.before" "$kordex/kordex.exe" || e2e_fail "$held $outcome: the earlier kordex.exe was changed"
    e2e_resume "$prefix" stopped
  fi
  wait "$driver" || e2e_fail "$held $outcome: the run went wrong"
  e2e_expect_installed "$kordex"
  # The temporary file's hold began while the installer was kept after its
  # close: the preload reached the installer.
  if [[ $held == temporary ]] && ! grep -q "^wait_after_close: .*KORdexSetup.exe closed Kordex/~KS000.tmp, and went on once" "$prefix/driver.log"; then
    e2e_fail "$held $outcome: the installer was not kept after closing its temporary file"
  fi
done
