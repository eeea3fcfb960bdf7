#!/usr/bin/env bash
# A disk that fills up during the run: every file is replaced in one step, so
# the file being written is never left as a fragment, every earlier file
# stays byte for byte, no temporary file is left behind, and the log says
# "Telepítés befejezve" only once everything was written. After space is
# freed, Install in the same window finishes the job.
# The destination is D:\Kordex on a small drive of its own (a tmpfs that
# counts in 4 KiB pages: the sample kordex.exe takes 4, every other item 1).
source "$(dirname "$0")/lib.sh"
sandbox_require_root "mount a small drive"
prefix=$(e2e_prefix user)
drive=$(sandbox_small_drive "$prefix" d 128k)
e2e_registry "$prefix" homedrive=D:
kordex=$drive/Kordex
items=(kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt)

# Leaves exactly PAGES pages of the drive free; 0 fills it.
leave_free() {
  rm -f "$drive/filler"
  local free
  free=$(df -B4096 --output=avail "$drive" | tail -1)
  if ((free > $1)); then fallocate -l $(((free - $1) * 4096)) "$drive/filler"; fi
}

# An earlier installation: files the user knows, and their database.
earlier_installation() {
  sandbox_as_owner "$prefix" mkdir -p "$kordex/excel" "$kordex/xml"
  local item
  for item in "${items[@]}"; do
    echo "the earlier $item" >"$kordex/$item"
    chown --reference="$drive" "$kordex/$item"
  done
  rm -rf "$prefix/earlier"
  cp -a "$kordex" "$prefix/earlier"
}

# Fails unless D:\Kordex holds the payload's files up to (not including)
# STOP, or with an earlier installation, the new kordex.exe and the earlier
# rest; and no temporary file is anywhere on the drive.
expect_stopped_at() {
  local before=$1 stop=$2 item written=()
  local leftovers
  leftovers=$(find "$drive" -name '~KS*')
  [[ -z $leftovers ]] || e2e_fail "temporary files left: $leftovers"
  if [[ $before == fresh ]]; then
    for item in "${items[@]}"; do
      [[ $item == "$stop" ]] && break
      written+=("$item")
    done
    e2e_holds "$kordex" "${written[@]}" excel xml
    if ((${#written[@]})); then e2e_same_as_payload "$kordex" "${written[@]}"; fi
  else
    e2e_holds "$kordex" "${items[@]}" excel xml
    e2e_same_as_payload "$kordex" kordex.exe
    for item in "${items[@]:1}"; do
      cmp "$prefix/earlier/$item" "$kordex/$item" || e2e_fail "the earlier $item was changed"
    done
  fi
}

# before: fresh or earlier; pages free at the start; the answer to the
# database question, after which the disk is full (- when it is not asked);
# the file the run stops at; the database entry's outcome on the way; the
# answer on the retry after space is freed.
rows=(
  "fresh   2 -   kordex.exe   -         -"
  "fresh   4 -   datacore.kdx -         -"
  "earlier 8 no  libeay32.dll KIHAGYVA  no"
  "earlier 8 yes datacore.kdx -         yes"
)
for row in "${rows[@]}"; do
  read -r before free answer stop outcome retry <<<"$row"
  echo "row: $row"
  rm -rf "$kordex" "$prefix"/drive_c/*.reached "$prefix"/drive_c/*.go
  if [[ $before == earlier ]]; then earlier_installation; fi
  leave_free "$free"
  # The entry of the file the run stops at; the retry adds 12 entries.
  stop_entry=$((6 + $(printf '%s\n' "${items[@]}" | grep -nx "$stop" | cut -d: -f1)))

  {
    cat <<'SCRIPT'
timeout 20
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
click #1003
SCRIPT
    if [[ $answer != - ]]; then
      echo 'msgbox "FIGYELMEZTETÉS!" * -'
      e2e_pause question
      echo 'msgbox "FIGYELMEZTETÉS!" * ${ANSWER}'
    fi
    echo 'msgbox "KORdex telepítő" "Cannot write file \"D:\\Kordex\\${STOP}\". Disk full." ok icon=error buttons=ok'
    e2e_install_log 'D:\Kordex' "$outcome" "$stop"
    echo 'expect-visible #1003 yes'
    e2e_pause stopped
    echo 'click #1003'
    if [[ $retry != - ]]; then echo 'msgbox "FIGYELMEZTETÉS!" * ${RETRY}'; fi
    cat <<'SCRIPT'
expect-line #1006 ${LAST} "Telepítés befejezve, kattints a Kilépés gombra"
expect-visible #1003 no
no-msgbox
SCRIPT
  } | e2e_drive "$prefix" ANSWER="$answer" STOP="$stop" RETRY="$retry" LAST=$((stop_entry + 12)) &
  driver=$!

  if [[ $answer != - ]]; then
    e2e_await "$prefix" question
    leave_free 0
    e2e_resume "$prefix" question
  fi
  e2e_await "$prefix" stopped
  expect_stopped_at "$before" "$stop"
  rm -f "$drive/filler"
  e2e_resume "$prefix" stopped
  wait "$driver" || e2e_fail "row [$row]: the driver failed"

  if [[ $retry == no ]]; then
    e2e_expect_installed "$kordex" "$prefix/earlier/datacore.kdx"
  else
    e2e_expect_installed "$kordex"
  fi
done
