#!/usr/bin/env bash
# A destination near the path limit: 241 characters, the longest in which
# Windows still makes the excel and xml folders (a folder's path may have up
# to 247 characters, a file's up to 259), so every file's path fits. Wine
# makes longer paths than Windows would, so the installer is traced and every
# path it asks the system about inside the destination is measured: none is
# longer than Windows allows, the temporary files' included.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)
# C:\ and three folders, 231 characters, in which the Documents button
# proposes the destination, "\Kordex" more.
parent="C:\\$(printf 'a%.0s' {1..76})\\$(printf 'b%.0s' {1..76})\\$(printf 'c%.0s' {1..77})"
destination=$parent\\Kordex
((${#destination} == 241)) || e2e_fail "the destination has ${#destination} characters"
e2e_registry "$prefix" personal="$parent"
trace=$prefix/paths.trace

{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1008
expect-text #1005 ${DESTINATION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
click #1003
SCRIPT
  e2e_install_log "$destination"
} | e2e_drive_traced "$prefix" -o "$trace" -e trace=%file -- DESTINATION="$destination" ||
  e2e_fail "the traced run did not install"
e2e_expect_installed "$(e2e_c "$prefix" "$destination")"

# Wine looks a Windows path up as dosdevices/c:/..., at times with "/" or
# "/.." added for its own checks.
unix_parent=${parent#C:}
unix_parent=dosdevices/c:${unix_parent//\\//}
longest=$(grep -o "\"[^\"]*$unix_parent[^\"]*\"" "$trace" | sed -E 's|^"[^"]*/dosdevices/c:|C:|; s|"$||; s|/\.\.$||; s|/$||' |
  sort -u | awk '{ gsub("/", "\\"); print length($0), $0 }' | sort -n | tail -1)
[[ -n $longest ]] || e2e_fail "the trace shows no path in the destination"
((${longest%% *} <= 259)) || e2e_fail "a path longer than Windows allows: $longest"
