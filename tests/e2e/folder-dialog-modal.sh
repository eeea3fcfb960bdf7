#!/usr/bin/env bash
# The folder dialog stays modal however the main window is shown: Windows
# hides owned windows while their owner is minimised and shows them again on
# restore, and the dialog's showing must outlast that, the main window still
# taking no input. Wine, with no window manager, hides nothing on minimise:
# the driver hides the owned windows as Windows would (Wine does not show
# them again on restore, so the scenario ends there). The window's thread
# takes posted messages in order: once the release-notes box shows the click
# posted after the restore, the restore has been handled, and the sync that
# follows is answered only when the thread reads messages again, by when a
# dialog loop that ended on its hidden window would have enabled the main
# window. Esc in the dialog does what "Mégsem" does.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
e2e_drive "$prefix" DIALOG='Válaszd ki a telepítés helyét!' <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1010
window ${DIALOG}
window ${CAPTION}
syscommand SC_MINIMIZE
show-owned-popups no
syscommand SC_RESTORE
click #1011
expect-checked #1011 no
sync
expect-enabled . no
kill
SCRIPT
e2e_drive "$prefix" DIALOG='Válaszd ki a telepítés helyét!' <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1010
window ${DIALOG}
settext #2004 "C:\\Elsewhere"
key ESC
expect-visible . no
window ${CAPTION}
expect-enabled . yes
expect-text #1005 "C:\\Kordex"
close
wait-exit 0
SCRIPT
