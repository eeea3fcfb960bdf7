#!/usr/bin/env bash
# A new user starts the installer on Windows 7: the window centred on the
# screen, its controls as laid out, texts, fonts and tab order, the log
# after the first check, and closing by the frame ends the program without
# a question. The common controls are version 6, of the build's own
# processor.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
e2e_registry "$prefix" product="Windows 7 Ultimate"
shots=$KORDEX_BUILD/tests/e2e/shots
mkdir -p "$shots"

[[ $KORDEX_ARCH == x86_64 ]] && processor=amd64 || processor=x86
e2e_drive "$prefix" SHOTS="$shots" COMMON_CONTROLS_6="\\winsxs\\${processor}_microsoft.windows.common-controls_" <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-module comctl32.dll ${COMMON_CONTROLS_6}
expect-client 417 473
# Centred in the sandbox's 1280 x 1024 screen: the frame adds 3 pixels a
# side and a caption of 19, so (1280 - 423) / 2 and (1024 - 498) / 2.
expect-window-rect 428 263 423 498
# Fixed single border, system menu and minimise only.
expect-style . 00CF0000 00CA0000
expect-lines #1006
  "> futási környezet ellenőrzése: Windows 7 Ultimate"
  "> írási jogosultság ellenőrzése: megfelelő"
  "> várakozás a felhasználóra..."
end
expect-text #1005 "C:\\Kordex"
# name: geometry, text, font
expect-rect #1001 11 16 * 13
expect-text #1001 "Kérlek válaszd ki a telepítés helyét, majd kattints a Telepítés gombra!"
expect-font #1001 Tahoma -11 700
expect-rect #1002 323 430 75 25
expect-text #1002 "Kilépés"
expect-font #1002 Tahoma -11 400
expect-rect #1003 242 430 75 25
expect-text #1003 "Telepítés"
expect-font #1003 Tahoma -11 700
expect-rect #1004 24 155 374 48
expect-text #1004 "Cél mappa"
expect-rect #1005 40 169 337 25
expect-rect #1006 24 213 374 188
expect-style #1006 00300804 00000804
expect-rect #1007 24 48 89 89
expect-text #1007 "Alapértelmezett"
expect-rect #1008 119 48 89 89
expect-text #1008 "Dokumentumok"
expect-rect #1009 214 48 89 89
expect-text #1009 "Asztal"
expect-rect #1010 309 48 89 89
expect-text #1010 "Egyéb (Tallóz...)"
expect-rect #1011 24 407 374 17
expect-text #1011 "Telepítés után a kiadási megjegyzések elolvasása"
expect-checked #1011 yes
expect-font #1011 Tahoma -11 400
# The focus starts in the log, and Tab follows the tab order.
expect-focus #1006
key TAB
expect-focus #1007
key TAB
expect-focus #1008
key TAB
expect-focus #1009
key TAB
expect-focus #1010
key TAB
expect-focus #1011
key TAB
expect-focus #1006
key SHIFT+TAB
expect-focus #1011
# Speed buttons never take the focus, also when clicked with the mouse.
key TAB
expect-focus #1006
mouse-click #1002
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" no
expect-focus #1006
shot ${SHOTS}/startup.bmp
close
wait-exit 0
SCRIPT
