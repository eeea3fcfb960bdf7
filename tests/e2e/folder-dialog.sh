#!/usr/bin/env bash
# The destination folder dialog behind the fourth location button: its
# layout, where its folder list opens for each kind of destination, moving
# the list by double click, Enter and the drive combo, a drive that cannot be
# entered, choosing (absolute, relative, empty), cancelling, and switching to
# another program and back. Screenshots at 96 and 144 dpi, themed and classic,
# go to build/tests/e2e/shots.
source "$(dirname "$0")/lib.sh"
shots=$KORDEX_BUILD/tests/e2e/shots
mkdir -p "$shots"
DIALOG='Válaszd ki a telepítés helyét!'

# A prefix with D: (Apps, Data; a fixed disk with a volume label, which the
# combo does not ask for), E: (Programs) and X:, whose folder is gone, so
# that it cannot be entered: `folder_prefix [SUFFIX]`.
folder_prefix() {
  local prefix
  prefix=$(e2e_prefix root "$@")
  mkdir -p "$prefix/drive-d/Apps" "$prefix/drive-d/Data" "$prefix/drive-e/Programs"
  printf 'ADATOK' >"$prefix/drive-d/.windows-label"
  sandbox_map "$prefix" d: "$prefix/drive-d"
  sandbox_map "$prefix" e: "$prefix/drive-e"
  sandbox_map "$prefix" x: "$prefix/gone"
  echo "$prefix"
}

# The log after a check, passed or failed.
passed() {
  printf 'expect-lines #1006\n"> futási környezet ellenőrzése: Windows 7 Ultimate"\n'
  printf '"> írási jogosultság ellenőrzése: megfelelő"\n"> várakozás a felhasználóra..."\nend\n'
}
failed() {
  printf 'expect-lines #1006\n"> futási környezet ellenőrzése: Windows 7 Ultimate"\n'
  printf '"> írási jogosultság ellenőrzése: nem megfelelő"\n""\n"!FIGYELEM!"\n'
  printf '"Az alapértelmezett könyvtárba írási jogosultság hiánya miatt nem telepíthető a program. Kérlek futtasd a programot rendszergazda módban, vagy válassz másik mappát! (pl.: Dokumentumok, vagy Asztal)"\n'
  printf '""\n"> várakozás a felhasználóra..."\nend\n'
}
# In the main window: only button 4 is marked.
browse_marked() {
  printf 'expect-checked #%s no\n' 1007 1008 1009
  printf 'expect-checked #1010 yes\n'
}

prefix=$(folder_prefix)
user=$(sandbox_profile_user "$prefix")
e2e_registry "$prefix" product="Windows 7 Ultimate"

# The layout, the default destination, cancelling, the Documents destination
# and a second showing with it unchanged.
{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-checked #1007 yes
click #1010
window ${DIALOG}
expect-client 321 273
# Tool-window border: caption with the close button only, fixed size.
expect-exstyle . 00000080 00000080
expect-style . 00CF0000 00C80000
expect-rect #2001 10 8 300 17
expect-text #2001 "Cél mappa:"
expect-font #2001 "MS Sans Serif" -11 400
expect-rect #2002 233 230 75 25
expect-text #2002 "Mégsem"
expect-rect #2003 151 230 75 25
expect-text #2003 "Kiválaszt"
expect-rect #2004 10 32 300 21
expect-rect #2005 10 64 300 145
expect-item-height #2005 16
expect-rect #2006 10 222 135 19
# The edit box has the focus the first time; Tab goes to the list, the combo.
expect-focus #2004
key TAB
expect-focus #2005
key TAB
expect-focus #2006
key TAB
expect-focus #2004
# C:\Kordex: the list at C:\, the edit box the destination; drives in upper case.
expect-text #2004 "C:\\Kordex"
expect-selection #2005 "C:\\"
expect-selection #2006 "C:"
expect-items #2006
  "C:"
  "D:"
  "E:"
  "K:"
  "X:"
end
# The main window takes no input while the dialog is open.
window ${CAPTION}
expect-enabled . no
SCRIPT
  browse_marked
  cat <<'SCRIPT'
# Cancelling changes nothing; button 4 stays marked.
window ${DIALOG}
settext #2004 "D:\\Elsewhere"
click #2002
expect-visible . no
window ${CAPTION}
expect-enabled . yes
expect-text #1005 "C:\\Kordex"
SCRIPT
  passed
  browse_marked
  cat <<'SCRIPT'
# A Documents destination: the list at the documents folder.
click #1008
expect-text #1005 "${DOCS}\\Kordex"
click #1010
window ${DIALOG}
expect-text #2004 "${DOCS}\\Kordex"
expect-items #2005
  "C:\\"
  "C:\\users"
  "C:\\users\\${USER}"
  "${DOCS}"
end
expect-selection #2005 "${DOCS}"
# A row selected but not entered, the edit box typed over; the caption's
# close button cancels.
choose #2005 "C:\\users"
settext #2004 "typed over"
close
window ${CAPTION}
expect-text #1005 "${DOCS}\\Kordex"
SCRIPT
  browse_marked
  cat <<'SCRIPT'
# The same destination again: the list does not move, so it is not rebuilt
# and the row stays selected; the edit box shows the destination again.
click #1010
window ${DIALOG}
expect-text #2004 "${DOCS}\\Kordex"
expect-selection #2005 "C:\\users"
click #2002
window ${CAPTION}
close
wait-exit 0
SCRIPT
} | e2e_drive "$prefix" DIALOG="$DIALOG" DOCS="C:\\users\\$user\\Documents" USER="$user"

# Moving the list: the drive combo, a double click, Enter; a drive that
# cannot be entered; choosing a drive root, then a relative destination.
{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1010
window ${DIALOG}
choose #2006 "D:"
expect-selection #2005 "D:\\"
expect-text #2004 "D:\\Kordex"
expect-items #2005
  "D:\\"
  "D:\\Apps"
  "D:\\Data"
end
double-click-item #2005 "D:\\Apps"
expect-selection #2005 "D:\\Apps"
expect-text #2004 "D:\\Apps\\Kordex"
double-click-item #2005 "D:\\"
expect-selection #2005 "D:\\"
expect-text #2004 "D:\\Kordex"
# Real keys: a letter finds a folder by name, arrows move, Enter enters.
key TAB
expect-focus #2005
key D
expect-selection #2005 "D:\\Data"
key UP
expect-selection #2005 "D:\\Apps"
expect-text #2004 "D:\\Kordex"
key ENTER
expect-text #2004 "D:\\Apps\\Kordex"
expect-items #2005
  "D:\\"
  "D:\\Apps"
end
expect-selection #2006 "D:"
# Each drive keeps its own current directory.
choose #2006 "C:"
expect-selection #2005 "C:\\"
expect-text #2004 "C:\\Kordex"
choose #2006 "D:"
expect-selection #2005 "D:\\Apps"
expect-text #2004 "D:\\Apps\\Kordex"
# A drive that cannot be entered: the system's message (Wine's wording),
# and the list, the combo and the edit box stay.
choose #2006 "X:"
msgbox "KORdex telepítő" "Path not found." ok icon=error
expect-selection #2006 "D:"
expect-selection #2005 "D:\\Apps"
expect-text #2004 "D:\\Apps\\Kordex"
# A drive root: the root rule brings the list back to it next time.
double-click-item #2005 "D:\\"
expect-text #2004 "D:\\Kordex"
click #2003
expect-visible . no
window ${CAPTION}
expect-text #1005 "D:\\Kordex"
SCRIPT
  passed
  browse_marked
  cat <<'SCRIPT'
click #1010
window ${DIALOG}
expect-text #2004 "D:\\Kordex"
expect-selection #2005 "D:\\"
# A relative destination is shown as typed and checked where it stands
# against the list's folder, at once.
double-click-item #2005 "D:\\Apps"
expect-text #2004 "D:\\Apps\\Kordex"
settext #2004 "Sub\\Mine"
click #2003
window ${CAPTION}
expect-text #1005 "Sub\\Mine"
SCRIPT
  passed
  cat <<'SCRIPT'
# Not ending in \Kordex: the list opens at the nearest existing parent,
# with no error box.
# A typed destination may name folders not made yet: the list opens where it can, not with an error.
click #1010
window ${DIALOG}
expect-text #2004 "Sub\\Mine"
expect-selection #2005 "D:\\Apps\\Sub"
no-msgbox
click #2002
window ${CAPTION}
close
wait-exit 0
SCRIPT
} | e2e_drive "$prefix" DIALOG="$DIALOG"
[[ -d $prefix/drive-d/Apps/Sub && ! -e $prefix/drive-d/Apps/Sub/Mine ]] ||
  e2e_fail "the relative destination was not checked as D:\\Apps\\Sub\\Mine"

# Typed destinations taken as typed, and where the list opens for them next
# time: the parent, a farther ancestor, none at all; an emptied edit box.
{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1010
window ${DIALOG}
settext #2004 "E:\\Programs\\Mine"
click #2003
expect-visible . no
window ${CAPTION}
expect-text #1005 "E:\\Programs\\Mine"
SCRIPT
  passed
  browse_marked
  cat <<'SCRIPT'
click #1010
window ${DIALOG}
expect-text #2004 "E:\\Programs\\Mine"
expect-selection #2005 "E:\\Programs"
expect-selection #2006 "E:"
no-msgbox
# Its parent is gone by the next showing: the list goes one step farther.
settext #2004 "D:\\Deep\\Er\\Mine"
click #2003
window ${CAPTION}
expect-text #1005 "D:\\Deep\\Er\\Mine"
SCRIPT
  passed
  cat <<'SCRIPT'
start C:\windows\system32\cmd.exe /c rmdir D:\Deep\Er
wait-exit 0
program 1
window ${CAPTION}
click #1010
window ${DIALOG}
expect-text #2004 "D:\\Deep\\Er\\Mine"
expect-selection #2005 "D:\\Deep"
no-msgbox
# An emptied edit box: the check's error before it touches the log, and the
# dialog stays open. The box belongs to the dialog, which takes no input
# while it is open.
settext #2004 ""
click #2003
msgbox "KORdex telepítő" "Unable to create directory." -
expect-enabled . no
msgbox "KORdex telepítő" "Unable to create directory." ok icon=error buttons=ok
expect-visible . yes
window ${CAPTION}
expect-text #1005 ""
SCRIPT
  passed
  cat <<'SCRIPT'
expect-enabled . no
window ${DIALOG}
# A destination with no existing ancestor: the list stays.
settext #2004 "Q:\\Nowhere\\Mine"
click #2003
window ${CAPTION}
expect-text #1005 "Q:\\Nowhere\\Mine"
SCRIPT
  failed
  cat <<'SCRIPT'
click #1010
window ${DIALOG}
expect-text #2004 "Q:\\Nowhere\\Mine"
expect-selection #2005 "D:\\Deep"
no-msgbox
click #2002
window ${CAPTION}
expect-text #1005 "Q:\\Nowhere\\Mine"
close
wait-exit 0
SCRIPT
} | e2e_drive "$prefix" DIALOG="$DIALOG"
[[ -d $prefix/drive-e/Programs && ! -e $prefix/drive-e/Programs/Mine ]] ||
  e2e_fail "E:\\Programs\\Mine was not checked as typed"

# Switching to another program and back keeps what the user did. The
# profile folders are listed by name, ignoring case, so where the user's
# own stands depends on its name.
profiles=$(printf '%s\n' Public "$user" | LC_ALL=C sort -f)
e2e_drive "$prefix" DIALOG="$DIALOG" FIRST="${profiles%%$'\n'*}" SECOND="${profiles#*$'\n'}" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1010
window ${DIALOG}
double-click-item #2005 "C:\\users"
expect-text #2004 "C:\\users\\Kordex"
settext #2004 "C:\\users\\Mine"
choose #2005 "C:\\"
start C:\windows\notepad.exe
window "Untitled - Notepad"
key END
program 1
window ${DIALOG}
key END
expect-text #2004 "C:\\users\\Mine"
expect-selection #2005 "C:\\"
expect-items #2005
  "C:\\"
  "C:\\users"
  "C:\\users\\${FIRST}"
  "C:\\users\\${SECOND}"
end
click #2002
window ${CAPTION}
close
wait-exit 0
program 2
window "Untitled - Notepad"
close
wait-exit 0
SCRIPT

# The dialog at 96 and 144 dpi, themed and classic: it scales like the main
# window; the screenshots are for a person to look at.
scaled() { echo $((($1 * $2 * 2 + 96) / 192)); }  # rounds to nearest as the installer does
for dpi in 96 144; do
  for theme in on off; do
    prefix=$(folder_prefix "$dpi-$theme")
    user=$(sandbox_profile_user "$prefix")
    e2e_registry "$prefix" product="Windows 7 Ultimate" dpi="$dpi" theme="$theme"
    e2e_drive "$prefix" DIALOG="$DIALOG" USER="$user" SHOTS="$shots" LOOK="$dpi-$theme" \
      W="$(scaled 321 "$dpi")" H="$(scaled 273 "$dpi")" ROW="$(scaled 16 "$dpi")" \
      LX="$(scaled 10 "$dpi")" LY="$(scaled 64 "$dpi")" LW="$(scaled 300 "$dpi")" LH="$(scaled 145 "$dpi")" \
      FONT="-$(((8 * dpi + 36) / 72))" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1008
click #1010
window ${DIALOG}
expect-client ${W} ${H}
expect-rect #2005 ${LX} ${LY} ${LW} ${LH}
expect-item-height #2005 ${ROW}
expect-font #2004 "MS Sans Serif" ${FONT} 400
double-click-item #2005 "C:\\users\\${USER}"
expect-text #2004 "C:\\users\\${USER}\\Kordex"
key TAB
expect-focus #2005
shot ${SHOTS}/folder-dialog-${LOOK}.bmp
click #2002
window ${CAPTION}
close
wait-exit 0
SCRIPT
  done
done
