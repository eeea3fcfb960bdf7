#!/usr/bin/env bash
# The installer writes no registry value in a whole run: start, Install,
# Leave. The registry is read live (reg export of every hive, while Wine's
# session runs) before and after, and must be the same, apart from Wine's
# own keys.
source "$(dirname "$0")/lib.sh"
prefix=$(e2e_prefix)

# The registry as one line per value, each under its key, and a line for
# each key, so that a difference names its key. HKEY_USERS holds the
# current user's hive; HKEY_CLASSES_ROOT and HKEY_CURRENT_CONFIG are views
# of the other two. Left out: the keys named Software\Wine, where Wine
# keeps its own state (user32 keeps there the system parameters set for
# the session only): `registry OUT`.
registry() {
  local root
  for root in HKLM HKU; do
    e2e_run "$prefix" reg export "$root" "C:\\$root.reg" /y >/dev/null || e2e_fail "reg cannot export $root"
  done
  cat "$(e2e_c "$prefix" 'C:\HKLM.reg')" "$(e2e_c "$prefix" 'C:\HKU.reg')" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r' |
    awk '/^\[/ { key = $0; print key; next } NF { print key "\t" $0 }' |
    grep -Ev '^\[HKEY_(LOCAL_MACHINE|USERS\\[^\\]+)\\Software\\Wine[]\\]' >"$1"
}

# Wine's session starts with the first program: let a tool start it, so
# that what the session itself writes then is in the first reading.
e2e_drive "$prefix" <<'SCRIPT'
start ${TOOLS}\desktop.exe no-process notepad.exe
wait-exit 0
SCRIPT
registry "$prefix/registry-before"

# Leaving with the release notes unticked: Notepad, which would open them,
# keeps settings of its own.
{
  cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1003
SCRIPT
  e2e_install_log 'C:\Kordex'
  cat <<'SCRIPT'
click #1011
expect-checked #1011 no
click #1002
wait-exit 0
SCRIPT
} | e2e_drive "$prefix"
e2e_expect_installed "$(e2e_c "$prefix" 'C:\Kordex')"
registry "$prefix/registry-after"

diff "$prefix/registry-before" "$prefix/registry-after" || e2e_fail "the registry changed during the run (above)"
