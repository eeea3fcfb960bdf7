#!/usr/bin/env bash
# Only a deliberate answer answers the database question. Keys typed while
# the run is busy wait in the queue, and a hurried Y ("Igen" is I on a
# Hungarian Windows), or Tab to Yes and Space, would answer the question the
# moment it opened, before anyone read it. Input that waits when the
# question opens is thrown away. The order is made certain: strace stops
# the installer (SIGSTOP) as it looks for the existing database, just
# before it asks, and the keys are typed while it stands; then it goes on.
# The question waits for its answer; No, typed after it opened, keeps the
# user's database byte for byte.
source "$(dirname "$0")/lib.sh"

# Fails unless strace reports the installer stopped (its log names the
# process), within a generous bound; prints the process's id.
stopped_installer() {
  local i pid
  for i in $(seq 1 400); do
    pid=$(sed -n 's/^\([0-9]*\) *--- stopped by SIGSTOP ---$/\1/p' "$1" | head -1)
    if [[ -n $pid ]]; then
      echo "$pid"
      return
    fi
    sleep 0.05
  done
  e2e_fail "the installer was not stopped before the question"
}

# The calls that ask for a file's status, as either Wine makes them ("?":
# those the processor lacks are left out).
stat_calls='?newfstatat,?fstatat64,?statx,?stat,?stat64,?lstat,?lstat64'

# name; the keys typed ahead
rows=(
  "yes-key Y"
  "tab-space TAB SPACE"
)
for row in "${rows[@]}"; do
  read -r name keys <<<"$row"
  prefix=$(e2e_prefix root "$name")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  mkdir -p "$kordex"
  echo "the user's database" >"$kordex/datacore.kdx"
  cp "$kordex/datacore.kdx" "$prefix/datacore.before"
  trace=$prefix/strace.log
  # The installer stops at its first look at the database, by either path:
  # Wine looks it up through the drive's link in the prefix.
  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 2 "> várakozás a felhasználóra..."
click #1003
SCRIPT
    e2e_pause stopped
    echo "key $keys"
    e2e_pause typed
    cat <<'SCRIPT'
# No is the default: Enter or a stray key keeps the user's data; only a deliberate Yes loses it.
msgbox "FIGYELMEZTETÉS!" "FONTOS FIGYELMEZTETÉS!\nA datacore.kdx fájl már létezik. Amennyiben felülírod, minden benne tárolt adat elveszik!\n\nBiztosan folytatod a műveletet?" - default=no icon=warning buttons=yes,no
key N
SCRIPT
    e2e_install_log 'C:\Kordex' KIHAGYVA
    echo 'no-msgbox'
  } | e2e_drive_traced "$prefix" -o "$trace" -P "$kordex/datacore.kdx" \
    -P "$prefix/dosdevices/c:/Kordex/datacore.kdx" -e trace="$stat_calls" -e inject="$stat_calls:signal=SIGSTOP:when=1" \
    -- &
  driver=$!
  e2e_await "$prefix" stopped
  installer=$(stopped_installer "$trace")
  e2e_resume "$prefix" stopped
  e2e_await "$prefix" typed
  kill -CONT "$installer"
  e2e_resume "$prefix" typed
  wait "$driver" || e2e_fail "$name: the keys typed ahead answered the question, or the run went wrong"
  e2e_expect_installed "$kordex" "$prefix/datacore.before"
done
