#!/usr/bin/env bash
# A disk of 1 MB/s (slowdisk.so, tests/tools), while an installer whose
# kordex.exe is 24 MB (built for this test) writes it: some 25 s, far longer
# than the 5 s after which Windows marks a window that reads no messages
# "Not Responding". Two kinds of slow disk:
# - writes: one that Windows does not cache; each write takes its bytes;
# - flushes: a USB stick, an SD card or a share that Windows caches; each
#   write returns at once and a flush takes the bytes written since the
#   last one, so the whole item flushed once would keep the window from its
#   messages for 25 s.
# While the item is being written, its entry is in the log already, the
# window answers within a second throughout, and a click that another
# program sends (Exit, which would ask a question) starts nothing. Then the
# run ends as usual. What Wine shows is the window reading its messages
# between the pieces; the ghosting itself is Windows' own.
source "$(dirname "$0")/lib.sh"
in_progress='expect-line #1006 7 "> kordex.exe file másolása..."'

# The driver's script, the same for both kinds.
script() {
  cat <<'SCRIPT'
start K:\tests\e2e\KORdexSetup-large.exe
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
click #1003
expect-lines #1006
  "> futási környezet ellenőrzése: Microsoft Windows 7"
  "> írási jogosultság ellenőrzése: megfelelő"
  "> várakozás a felhasználóra...OK"
  ""
  "> \"C:\\Kordex\" mappa létrehozása...OK"
  "> [excel] mappa létrehozása...OK"
  "> [xml] mappa létrehozása...OK"
  "> kordex.exe file másolása..."
end
SCRIPT
  # Each answer comes when the window next reads its messages: between two
  # pieces, about a quarter of a second apart. A text is two questions
  # (length, text).
  for round in 1 2; do
    printf 'timeout 1\nsync\ntimeout 2\n%s\n' "$in_progress"
  done
  printf 'send-click #1002\nno-msgbox\n%s\n' "$in_progress"
  # As many rounds as pieces and more: once the run is over, each is answered at once.
  for round in $(seq 160); do
    printf 'timeout 1\nsync\n'
  done
  echo 'timeout 60'
  e2e_install_log 'C:\Kordex'
  echo 'no-msgbox'
}

for slow in writes flushes; do
  prefix=$(e2e_prefix root "$slow")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  mkdir -p "$kordex"
  script | e2e_drive_preloaded "$prefix" slowdisk KORDEX_SLOW_DISK="$slow" KORDEX_SLOW_FOLDER="$(realpath "$kordex")" -- ||
    e2e_fail "$slow: the slowed run went wrong"
  cmp "$KORDEX_BUILD/tests/e2e/large-payload/kordex.exe" "$kordex/kordex.exe" || e2e_fail "$slow: kordex.exe differs"
  e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
done
