#!/usr/bin/env bash
# An earlier kordex.exe in C:\Kordex that cannot be replaced, read-only or
# in use (the earlier KORdex still running, refused once the installer has
# tried it for six seconds, as it waits for a scanner), stops the run at its
# step with the file-creation error naming it: the folders are made, the
# file stays as it was, no temporary file is left, nothing after it is
# written, and the installer is left not installed.
# Run as the unprivileged test user: Wine lets root overwrite anything.
source "$(dirname "$0")/lib.sh"

# how the file is blocked; the system's reason as Wine words it
rows=(
  "read-only Access denied."
  "in-use Sharing violation."
)
for row in "${rows[@]}"; do
  read -r blocked reason <<<"$row"
  prefix=$(e2e_prefix user "$blocked")
  kordex=$(e2e_c "$prefix" 'C:\Kordex')
  sandbox_as_owner "$prefix" mkdir "$kordex"
  # A real program, so that it can run; the appended line tells it apart.
  { cat "$PAYLOAD/kordex.exe"; echo "an earlier kordex.exe"; } >"$kordex/kordex.exe"
  chown --reference="$prefix" "$kordex/kordex.exe"
  # Mode 444 is how Wine keeps the read-only attribute of a file.
  if [[ $blocked == read-only ]]; then chmod 444 "$kordex/kordex.exe"; fi
  cp -p "$kordex/kordex.exe" "$prefix/kordex.before"

  {
    if [[ $blocked == in-use ]]; then
      cat <<'SCRIPT'
start C:\Kordex\kordex.exe
window "KORdex 1.2 (minta)"
SCRIPT
    fi
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
expect-line #1006 1 "> írási jogosultság ellenőrzése: megfelelő"
click #1003
timeout 20
msgbox "KORdex telepítő" "Cannot create file \"C:\\Kordex\\kordex.exe\". ${REASON}" ok icon=error buttons=ok
timeout 10
SCRIPT
    e2e_install_log 'C:\Kordex' OK kordex.exe
    cat <<'SCRIPT'
expect-visible #1003 yes
expect-enabled #1007 no
expect-enabled #1008 no
expect-enabled #1009 no
expect-enabled #1010 no
expect-font #1002 Tahoma -11 400
# Not installed: leaving asks first.
click #1002
msgbox "Kilépés" "Biztosan kilépsz a telepítőből?" yes icon=question buttons=yes,no
wait-exit 0
SCRIPT
  } | e2e_drive "$prefix" REASON="$reason"

  cmp "$prefix/kordex.before" "$kordex/kordex.exe" || e2e_fail "$blocked: the earlier kordex.exe was changed"
  e2e_holds "$kordex" kordex.exe excel xml
  [[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "$blocked: a shortcut was made"
done
