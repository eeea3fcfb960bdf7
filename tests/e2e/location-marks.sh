#!/usr/bin/env bash
# Exactly one location button is marked at a time, the one the user used
# last: down (BM_GETCHECK) and not greyed, the other three greyed and not
# down. After start-up, after each location click, and after the folder
# dialog's OK and cancel. Then the dialog's activation error: a destination
# whose folder was removed since it was chosen.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
DIALOG='Válaszd ki a telepítés helyét!'
mkdir -p "$prefix/drive_c/Apps"

# The driver lines that check that button N (1 to 4) alone is marked.
marked() {
  local button id
  for button in 1 2 3 4; do
    id=$((1006 + button))
    if ((button == $1)); then
      printf 'expect-checked #%d yes\nexpect-greyed #%d no\n' "$id" "$id"
    else
      printf 'expect-checked #%d no\nexpect-greyed #%d yes\n' "$id" "$id"
    fi
  done
}

{
  echo 'start ${INSTALLER}'
  echo 'window ${CAPTION}'
  marked 1
  # the click, then which button is marked
  for step in "#1008 2" "#1009 3" "#1007 1" "#1009 3"; do
    read -r button number <<<"$step"
    echo "click $button"
    marked "$number"
  done
  cat <<'SCRIPT'
click #1010
window ${DIALOG}
window ${CAPTION}
SCRIPT
  marked 4
  cat <<'SCRIPT'
window ${DIALOG}
click #2002
expect-visible . no
window ${CAPTION}
SCRIPT
  marked 4
  echo 'click #1008'
  marked 2
  cat <<'SCRIPT'
click #1010
window ${DIALOG}
settext #2004 "C:\\Apps\\Kordex"
click #2003
expect-visible . no
window ${CAPTION}
expect-text #1005 "C:\\Apps\\Kordex"
SCRIPT
  marked 4
  # The chosen folder's parent is removed before the next showing.
  cat <<'SCRIPT'
click #1007
click #1010
window ${DIALOG}
expect-selection #2005 "C:\\"
settext #2004 "C:\\Apps\\Kordex"
click #2003
expect-visible . no
start C:\windows\system32\cmd.exe /c rmdir C:\Apps
wait-exit 0
program 1
window ${CAPTION}
click #1010
msgbox "KORdex telepítő" "The specified file was not found." ok icon=error buttons=ok
window ${DIALOG}
expect-visible . yes
expect-selection #2005 "C:\\"
expect-text #2004 "C:\\Apps\\Kordex"
click #2002
expect-visible . no
SCRIPT
} | e2e_drive "$prefix" DIALOG="$DIALOG"
