#!/usr/bin/env bash
# The shell-link object that the shortcut is made with cannot be had: the
# run stops at the shortcut's step with the COM error in the default error
# box, every file already written, no shortcut, Install offered again. The
# class is redirected in the prefix's registry (TreatAs, which COM follows
# before it looks for a server): to a class no server provides, or to one
# whose object has neither IShellLinkW nor IPersistFile (the component
# categories manager).
source "$(dirname "$0")/lib.sh"
shell_link='HKLM\Software\Classes\CLSID\{00021401-0000-0000-C000-000000000046}'

# The installation log, ending with the shortcut's entry and no outcome.
stopped_log() {
  e2e_install_log 'C:\Kordex' | awk '
    /^  "> parancsfile létrehozása az asztalon\.\.\.OK"$/ { print "  \"> parancsfile létrehozása az asztalon...\""; print "end"; exit }
    { print }'
}

# case | the class COM is sent to | its server, registered for the case |
# the error box. Wine's system messages have no text for "class not
# registered" (0x80040154), so the box names the code; Windows has one. A
# server DLL that is not there fails as access denied under Wine.
rows=(
  "not-registered|{8F3A1C2E-5B7D-4E60-9A1B-2C3D4E5F6071}||System error 2147746132, ClassID: {00021401-0000-0000-C000-000000000046}."
  "missing-server|{8F3A1C2E-5B7D-4E60-9A1B-2C3D4E5F6072}|C:\\missing.dll|Access denied, ClassID: {00021401-0000-0000-C000-000000000046}."
  "no-shell-link|{0002E005-0000-0000-C000-000000000046}||Interface not supported."
)
for row in "${rows[@]}"; do
  IFS='|' read -r case class server box <<<"$row"
  echo "== $case"
  prefix=$(e2e_prefix root "$case")
  if [[ -n $server ]]; then
    e2e_run "$prefix" reg add "HKLM\\Software\\Classes\\CLSID\\$class\\InprocServer32" /ve /t REG_SZ /d "$server" /f \
      >/dev/null || e2e_fail "$case: cannot register the server"
  fi
  e2e_run "$prefix" reg add "$shell_link\\TreatAs" /ve /t REG_SZ /d "$class" /f >/dev/null ||
    e2e_fail "$case: cannot redirect the shell-link class"
  {
    cat <<'SCRIPT'
start ${INSTALLER}
window ${CAPTION}
click #1003
msgbox "KORdex telepítő" "${BOX}" ok icon=error buttons=ok
SCRIPT
    stopped_log
    cat <<'SCRIPT'
expect-visible #1003 yes
expect-enabled #1007 no
SCRIPT
  } | e2e_drive "$prefix" BOX="$box" || e2e_fail "$case: the run went wrong"
  e2e_expect_installed "$(e2e_c "$prefix" 'C:\Kordex')"
  [[ ! -e $(e2e_desktop "$prefix")/Kordex.lnk ]] || e2e_fail "$case: a shortcut was made"
done
