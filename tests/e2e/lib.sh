# Sourced by every end-to-end scenario: a fresh prefix for the scenario, the
# driver to run scripts in it, and checks on the Linux side.
set -euo pipefail
KORDEX_ROOT=${KORDEX_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
source "$KORDEX_ROOT/scripts/sandbox.sh"
sandbox_require_display

E2E_NAME=$(basename "$0" .sh)
DRIVER='K:\tests\e2e\driver\driver.exe'
INSTALLER='K:\KORdexSetup.exe'
MAIN_CAPTION='KORdex v1.2 - program telepítő'
# desktop.exe, holdfile.exe and pause.exe (tests/tools): checks and doings
# beyond the installer's window.
TOOLS='K:\tests\tools'
PAYLOAD=$KORDEX_BUILD/sample-payload
# The payload's items, in the order the run writes them.
mapfile -t E2E_ITEMS < <(awk '/^[0-9]/ { print $2 }' "$KORDEX_ROOT/payload/items.txt")

# The scenario's prefixes: their Wine servers are stopped (a server left
# running would keep CTest's output pipe open), and those of a scenario that
# passed are removed; a failed one's are kept for a look.
e2e_finish() {
  local status=$? prefix
  for prefix in "$SANDBOX/prefixes/$E2E_NAME" "$SANDBOX/prefixes/$E2E_NAME".*; do
    [[ -d $prefix ]] || continue
    sandbox_stop_server "$prefix"
    if ((status == 0)); then rm -rf "$prefix"; fi
  done
  if [[ -d $SANDBOX/drives ]]; then sandbox_release_drives "$E2E_NAME"; fi
  case $status in
    0) echo "$E2E_NAME: passed" ;;
    77) echo "$E2E_NAME: skipped" ;;
    *) echo "$E2E_NAME: FAILED" ;;
  esac
}
trap e2e_finish EXIT

# A fresh prefix for this scenario: `e2e_prefix [root|user] [suffix]`.
e2e_prefix() {
  local who=${1:-root} name=$E2E_NAME${2:+.$2}
  sandbox_prefix "$name" "$who"
}

# Pausing a driver script for work on the Linux side (filling a disk,
# checking files) while the program waits in the state the script left it
# in. The driver runs in the background (`e2e_drive ... &`); the lines that
# `e2e_pause NAME` prints start tests/tools/pause.exe, which blocks on an
# event until the test, having seen it arrive with `e2e_await PREFIX NAME`,
# says `e2e_resume PREFIX NAME`. Then the script goes on with the first
# program's main window.
e2e_pause() {
  cat <<SCRIPT
start \${TOOLS}\\pause.exe wait $1
wait-exit 0
program 1
window \${CAPTION}
SCRIPT
}

e2e_await() {
  local i
  for i in $(seq 1 400); do
    [[ -e $1/drive_c/$2.reached ]] && return 0
    sleep 0.05
  done
  e2e_fail "the driver did not reach the pause $2"
}

e2e_resume() {
  e2e_run "$1" "$TOOLS\\pause.exe" go "$2" || e2e_fail "no pause $2 to resume"
}

# Runs a driver script, read from stdin, in a prefix:
# `e2e_drive PREFIX [NAME=VALUE...]`. INSTALLER, CAPTION and TOOLS are predefined.
e2e_drive() {
  local prefix=$1
  shift
  local script=$prefix/drive_c/scenario.txt log=$prefix/driver.log
  cat >"$script"
  chown --reference="$prefix" "$script"
  local status=0
  # E2E_DRIVER_LAUNCH: what the driver is started through (e2e_drive_traced).
  sandbox_wine "$prefix" ${E2E_DRIVER_LAUNCH[@]+"${E2E_DRIVER_LAUNCH[@]}"} \
    wine "$DRIVER" 'C:\scenario.txt' INSTALLER="$INSTALLER" CAPTION="$MAIN_CAPTION" TOOLS="$TOOLS" "$@" \
    </dev/null >"$log" 2>&1 || status=$?
  cat "$log"
  # A driver whose Wine server was stopped under it (another test run's
  # sandbox stop) exits with 0 without having finished: only its PASS counts.
  if ((status == 0)) && ! grep -q '^PASS ' "$log"; then
    echo "$E2E_NAME: the driver ended before its script did" >&2
    status=1
  fi
  return $status
}

# Runs a driver script, read from stdin, under strace, which traces the
# driver and every program it starts (the installer, the tools):
# `e2e_drive_traced PREFIX STRACE-OPTION... -- [NAME=VALUE...]`.
e2e_drive_traced() {
  local prefix=$1 options=()
  shift
  while (($#)) && [[ $1 != -- ]]; do
    options+=("$1")
    shift
  done
  shift
  # Wine's own background processes, started first and untraced: strace
  # waits for every process it traces to end, and they never do.
  e2e_run "$prefix" cmd.exe /c exit
  local E2E_DRIVER_LAUNCH=(timeout 120 strace -f -qq "${options[@]}")
  e2e_drive "$prefix" "$@"
}

# Runs a driver script, read from stdin, with a Linux library of
# tests/tools preloaded into the driver and every program it starts (the
# installer, the tools), its settings given as environment variables:
# `e2e_drive_preloaded PREFIX LIBRARY [VARIABLE=VALUE...] -- [NAME=VALUE...]`.
e2e_drive_preloaded() {
  local prefix=$1 library=$KORDEX_BUILD/tests/tools/$2.so settings=()
  shift 2
  while (($#)) && [[ $1 != -- ]]; do
    settings+=("$1")
    shift
  done
  shift
  [[ -f $library ]] || e2e_fail "no preload library $library"
  local E2E_DRIVER_LAUNCH=(env LD_PRELOAD="$library" "${settings[@]}")
  e2e_drive "$prefix" "$@"
}

# The Linux path of a Windows path on drive C: of a prefix.
e2e_c() {
  local path=${2#[Cc]:}
  echo "$1/drive_c${path//\\//}"
}

e2e_fail() {
  echo "$E2E_NAME: $*" >&2
  exit 1
}

# Writes the scenario's registry values into a prefix:
#   e2e_registry PREFIX product=TEXT | product-dword=N | homedrive=C: |
#     homepath=\users\x | personal=TEXT | personal-dword=N | desktop=TEXT |
#     dpi=N | theme=on|off | keyboard-cues=on|off
# personal and desktop are the user's shell folders (expandable text); the
# desktop is also set where the shell looks it up, since Wine rewrites that
# one from the first at start.
e2e_registry() {
  local prefix=$1 setting
  shift
  local cv='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
  local volatile='HKCU\Volatile Environment'
  local usf='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
  local sf='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
  for setting in "$@"; do
    local name=${setting%%=*} value=${setting#*=}
    case $name in
      product) sandbox_reg "$prefix" "$cv" ProductName REG_SZ "$value" ;;
      product-dword) sandbox_reg "$prefix" "$cv" ProductName REG_DWORD "$value" ;;
      homedrive) sandbox_reg "$prefix" "$volatile" HOMEDRIVE REG_SZ "$value" ;;
      homepath) sandbox_reg "$prefix" "$volatile" HOMEPATH REG_SZ "$value" ;;
      personal) sandbox_reg "$prefix" "$usf" Personal REG_EXPAND_SZ "$value" ;;
      personal-dword) sandbox_reg "$prefix" "$usf" Personal REG_DWORD "$value" ;;
      desktop)
        sandbox_reg "$prefix" "$usf" Desktop REG_EXPAND_SZ "$value"
        sandbox_reg "$prefix" "$sf" Desktop REG_SZ "$value"
        ;;
      dpi) sandbox_reg "$prefix" 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$value" ;;
      theme) sandbox_reg "$prefix" 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' ThemeActive REG_SZ \
        "$([[ $value == on ]] && echo 1 || echo 0)" ;;
      # Access keys always underlined (bit 0x20 of the first byte), or only after Alt.
      keyboard-cues) sandbox_reg "$prefix" 'HKCU\Control Panel\Desktop' UserPreferencesMask REG_BINARY \
        "$([[ $value == on ]] && echo 30 || echo 10)00028012000000" ;;
      *) e2e_fail "unknown registry setting $name" ;;
    esac
  done
}

# The Linux path of the sandbox user's profile folder in a prefix.
e2e_profile() {
  echo "$1/drive_c/users/$(sandbox_profile_user "$1")"
}

# The Linux path of the sandbox user's desktop folder in a prefix.
e2e_desktop() {
  echo "$(e2e_profile "$1")/Desktop"
}

# Runs a Windows console program in a prefix and prints its output and
# errors: `e2e_run PREFIX PROGRAM [ARGS...]`. Both go through files, since
# Wine's helper processes would keep a pipe open.
e2e_run() {
  local prefix=$1 out err status=0
  shift
  out=$(mktemp)
  err=$(mktemp)
  sandbox_wine "$prefix" wine "$@" </dev/null >"$out" 2>"$err" || status=$?
  cat "$out"
  cat "$err" >&2
  rm -f "$out" "$err"
  return $status
}

# What Debian's lnkinfo (liblnk-utils) reads from a shortcut's bytes, as
# Explorer reads them and not through the shell-link object that wrote them:
# the target from the link information and from the item list (its volume
# and names joined), the working folder, the arguments, the icon index, the
# hot key and which optional parts the file holds; and the show command,
# read from the header (ShowCommand, bytes 60 to 63, little-endian), since
# lnkinfo 20181227 prints 0 there for the 1 (a normal window) that the
# shell-link object writes: `e2e_shortcut_facts FILE`.
e2e_shortcut_facts() {
  local file=$1 facts
  facts=$(lnkinfo "$file") || e2e_fail "lnkinfo cannot read $file"
  # A line is a label, tabs, ": " and the value; only the value may hold ": ".
  awk '
    function value() { v = $0; sub(/^[^:]*: /, "", v); return v }
    /^\tContains / { sub(/^\t/, ""); print "part: " $0 }
    /^\tLocal path\t/ { print "path: " value() }
    /^\tWorking directory\t/ { print "working directory: " value() }
    /^\tCommand line arguments\t/ { print "arguments: " value() }
    /^\tIcon index\t/ { print "icon index: " value() }
    /^\tHot Key value\t/ { print "hot key: " value() }
    /^\t\tVolume name\t/ { items = value() }
    /^\t\tName\t/ { items = items (items ~ /\\$/ ? "" : "\\") value() }
    END { print "item list: " items }
  ' <<<"$facts"
  echo "show command: $(od -An -tu4 -j60 -N4 "$file" | tr -d ' ')"
}

# Fails unless the desktop's Kordex.lnk starts TARGET in FOLDER with no
# arguments, a normal window and nothing else set, as lnkinfo reads its
# bytes: `e2e_expect_shortcut PREFIX TARGET FOLDER [ANSI-TARGET]`. The link
# information and the item list hold the target in the ANSI code page (1252
# in the test prefixes), where the shell-link object writes a letter that
# the code page lacks as its nearest one (ű as u): ANSI-TARGET is the target
# so written, where it differs. (The item list's Unicode names are in an
# extension that Wine writes without the signature lnkinfo looks for.)
e2e_expect_shortcut() {
  local prefix=$1 target=$2 folder=$3 ansi=${4:-$2} found expected
  local file
  file=$(e2e_desktop "$prefix")/Kordex.lnk
  [[ -f $file ]] || e2e_fail "no Kordex.lnk on the desktop"
  found=$(e2e_shortcut_facts "$file")
  # Wine's shell-link object stores an empty argument string when none is set.
  expected=$(printf '%s\n' "part: Contains a link target identifier" "part: Contains a working directory string" \
    "part: Contains a command line arguments string" "icon index: 0" "hot key: 0" "path: $ansi" \
    "working directory: $folder" "arguments: " "item list: $ansi" "show command: 1")
  [[ $found == "$expected" ]] ||
    e2e_fail "the desktop's Kordex.lnk reads as:"$'\n'"$found"$'\n'"expected:"$'\n'"$expected"
}

# Fails unless each named file in DIR equals the payload item of that name
# byte for byte: `e2e_same_as_payload DIR NAME...`.
e2e_same_as_payload() {
  local dir=$1 name
  shift
  for name in "$@"; do
    cmp "$PAYLOAD/$name" "$dir/$name" || e2e_fail "$dir/$name differs from the payload item"
  done
}

# Fails unless DIR holds an installation: the five items and the two
# folders, each item the payload's byte for byte, except the database when
# KEPT names the user's own copy that it must still equal:
# `e2e_expect_installed DIR [KEPT]`.
e2e_expect_installed() {
  local dir=$1 kept=${2:-} item
  e2e_holds "$dir" "${E2E_ITEMS[@]}" excel xml
  for item in "${E2E_ITEMS[@]}"; do
    [[ $item == datacore.kdx ]] || e2e_same_as_payload "$dir" "$item"
  done
  if [[ -n $kept ]]; then
    cmp "$kept" "$dir/datacore.kdx" || e2e_fail "the user's database in $dir was not kept"
  else
    e2e_same_as_payload "$dir" datacore.kdx
  fi
}

# Fails unless DIR holds exactly the named entries: `e2e_holds DIR NAME...`.
e2e_holds() {
  local dir=$1 found expected
  shift
  [[ -d $dir ]] || e2e_fail "no folder $dir"
  found=$(cd "$dir" && ls -A | LC_ALL=C sort)
  expected=$(printf '%s\n' "$@" | LC_ALL=C sort)
  [[ $found == "$expected" ]] || e2e_fail "$dir holds [${found//$'\n'/ }], expected [${expected//$'\n'/ }]"
}

# Prints the driver's check of the log after an installation run into DEST:
# `e2e_install_log DEST [DATABASE [STOP]]`. The database entry ends in
# DATABASE (OK, KIHAGYVA, FELÜLÍRVA); with STOP, the run stopped writing that
# file: its entry has no outcome and the log ends there.
e2e_install_log() {
  local destination=${1//\\/\\\\} database=${2:-OK} stop=${3:-} item outcome
  echo 'expect-lines #1006'
  printf '  "%s"\n' "> futási környezet ellenőrzése: Microsoft Windows 7" \
    "> írási jogosultság ellenőrzése: megfelelő" "> várakozás a felhasználóra...OK" ""
  printf '  "> \\"%s\\" mappa létrehozása...OK"\n' "$destination"
  printf '  "%s"\n' "> [excel] mappa létrehozása...OK" "> [xml] mappa létrehozása...OK"
  for item in "${E2E_ITEMS[@]}"; do
    if [[ $item == "$stop" ]]; then
      printf '  "> %s file másolása..."\nend\n' "$item"
      return
    fi
    outcome=OK
    [[ $item == datacore.kdx ]] && outcome=$database
    printf '  "> %s file másolása...%s"\n' "$item" "$outcome"
  done
  printf '  "%s"\n' "> parancsfile létrehozása az asztalon...OK" "" "Telepítés befejezve, kattints a Kilépés gombra"
  echo end
}

# A system colour of a prefix as RRGGBB, as its programs' GetSysColor gives
# it (Control Panel\Colors, e.g. ButtonHilight): `e2e_sys_colour PREFIX NAME`.
e2e_sys_colour() {
  local line
  line=$(e2e_run "$1" reg query 'HKCU\Control Panel\Colors' /v "$2" | tr -d '\r' | grep -w "$2") ||
    e2e_fail "the prefix has no system colour $2"
  # "    ButtonHilight    REG_SZ    255 255 255"
  printf '%02X%02X%02X\n' ${line##*REG_SZ}
}
