#!/usr/bin/env bash
# A slow disk: strace holds each write into kordex.exe's temporary file up
# for 0.5 s, and an installer whose kordex.exe is 24 MB (built for this
# test) writes it in pieces, so the item takes some 6 s, longer than the 5 s
# after which Windows marks a window that reads no messages "Not Responding".
# While the item is being written, its entry is in the log already, the
# window answers within a second, and a click that another program sends
# (Exit, which would ask a question) starts nothing. Then the run ends as
# usual. What Wine shows is the window reading its messages between the
# pieces; the ghosting itself is Windows' own.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
kordex=$(e2e_c "$prefix" 'C:\Kordex')
in_progress='expect-line #1006 7 "> kordex.exe file másolása..."'

{
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
  # pieces, at most 0.5 s away; a text is two questions (length, text). The
  # steps use up pieces rather than time (here the last check came at
  # 1.7 s, the item was done at 6.5 s): one check that the item is still in
  # progress, after the others, shows that they all came while it was
  # written, and leaves the most pieces spare.
  printf 'timeout 1\nsync\nsync\ntimeout 2\nsend-click #1002\nno-msgbox\n%s\ntimeout 20\n' "$in_progress"
  e2e_install_log 'C:\Kordex'
  echo 'no-msgbox'
} | e2e_drive_traced "$prefix" -o /dev/null -P "$kordex/~KS000.tmp" -e trace=write,pwrite64,writev,pwritev \
  -e inject=write,pwrite64,writev,pwritev:delay_enter=500000 -- || e2e_fail "the slowed run went wrong"

cmp "$KORDEX_BUILD/tests/e2e/large-payload/kordex.exe" "$kordex/kordex.exe" || e2e_fail "kordex.exe differs"
e2e_holds "$kordex" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt excel xml
