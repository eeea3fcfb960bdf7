#!/usr/bin/env bash
# A slow disk (slowdisk.so, tests/tools), while an installer whose
# kordex.exe is 24 MB (built for this test) writes it: far longer than the
# 5 s after which Windows marks a window that reads no messages "Not
# Responding". Three kinds of slow disk:
# - writes: 1 MB/s that Windows does not cache; each write takes its bytes;
# - flushes: 1 MB/s that Windows caches (a USB stick, an SD card or a
#   share); each write returns at once and a flush takes the bytes written
#   since the last one, so the whole item flushed once would keep the window
#   from its messages for 25 s;
# - flash: a flash stick formatted FAT, 5 MB/s, whose every flush also
#   costs 250 ms however few bytes went (it rewrites its allocation tables
#   and empties its cache). Pieces sized by their time alone would shrink to
#   the smallest and pay that cost some four hundred times; the disk's own
#   account of its time stays within twice the bytes at its rate plus one
#   flush an item.
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

# the row; how the disk is slowed; bytes a second; a flush's own milliseconds
rows=(
  "writes writes 1000000 0"
  "flushes flushes 1000000 0"
  "flash flushes 5000000 250"
)
for row in "${rows[@]}"; do
  read -r name slow rate flush_ms <<<"$row"
  prefix=$(e2e_prefix root "$name")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  mkdir -p "$kordex"
  account=$prefix/disk.account
  : >"$account"
  chown --reference="$prefix" "$account"
  script | e2e_drive_preloaded "$prefix" slowdisk KORDEX_SLOW_DISK="$slow" KORDEX_SLOW_FOLDER="$(realpath "$kordex")" \
    KORDEX_SLOW_RATE="$rate" KORDEX_SLOW_FLUSH_MS="$flush_ms" KORDEX_SLOW_ACCOUNT="$account" -- ||
    e2e_fail "$name: the slowed run went wrong"
  cmp "$KORDEX_BUILD/tests/e2e/large-payload/kordex.exe" "$kordex/kordex.exe" || e2e_fail "$name: kordex.exe differs"
  e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
  if ((flush_ms)); then
    read -r took bound < <(awk -v rate="$rate" -v flush="$flush_ms" -v items=5 \
      '{ bytes += $1; ms += $2 } END { printf "%d %d\n", ms, 2 * bytes * 1000 / rate + items * flush }' "$account")
    echo "$name: the disk took $took ms; the bound is $bound ms"
    ((took <= bound)) || e2e_fail "$name: the disk took $took ms, over $bound ms: its flushes' fixed cost was paid per small piece"
  fi
done
