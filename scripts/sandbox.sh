#!/usr/bin/env bash
# The sandbox: a screen of our own (Xvfb) and Wine prefixes of our own,
# all under build/sandbox, so that no run touches the user's home or display.
#
#   scripts/sandbox.sh start   screen up, template prefixes made (CTest's fixture)
#   scripts/sandbox.sh stop    screen and Wine servers down
#
# Sourced, it gives the functions below to the test scripts.

KORDEX_ROOT=${KORDEX_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
KORDEX_BUILD=${KORDEX_BUILD:-$KORDEX_ROOT/build}
SANDBOX=$KORDEX_BUILD/sandbox
# The build in KORDEX_BUILD, which the sandbox runs: i686 under 32-bit Wine,
# x86_64 under 64-bit Wine (scripts/arch.sh). KORDEX_SHIPPED_BUILD holds the
# 32-bit installer, which the checks that run nothing read.
KORDEX_ARCH=${KORDEX_ARCH:-i686}
KORDEX_SHIPPED_BUILD=${KORDEX_SHIPPED_BUILD:-$KORDEX_BUILD}
# Permission tests run as this unprivileged user: as root, Wine lets every
# write through whatever the file's attributes or the folder's mode say. Run
# by anyone but root, the tests need no such user: the user running them is
# unprivileged already, and nothing is run as anyone else.
TEST_USER=kordex-tester
WINE_OVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'

sandbox_fail() {
  echo "sandbox: $*" >&2
  exit 1
}

# A test that cannot run without root (mounting a drive, adding a user) is
# reported to CTest as skipped, naming why, never as passed.
sandbox_require_root() {
  if ((EUID != 0)); then
    echo "skipped: needs root to $*"
    exit 77
  fi
}

sandbox_display() {
  [[ -s $SANDBOX/display ]] || sandbox_fail "no screen: run 'scripts/sandbox.sh start' first"
  cat "$SANDBOX/display"
}

# Fails loudly unless the sandbox's screen answers: without one, message boxes
# return at once and a GUI test could pass having shown nothing.
sandbox_require_display() {
  local display
  display=$(sandbox_display)
  xdpyinfo -display "$display" >/dev/null 2>&1 || sandbox_fail "the screen $display does not answer"
}

# Whether the sandbox's screen is up and answers.
sandbox_screen_up() {
  [[ -s $SANDBOX/display ]] && xdpyinfo -display "$(cat "$SANDBOX/display")" >/dev/null 2>&1
}

sandbox_start_screen() {
  mkdir -p "$SANDBOX"
  sandbox_screen_up && return 0
  local n
  for n in $(seq 91 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -nolisten tcp -screen 0 1280x1024x24 -dpi 96 </dev/null >"$SANDBOX/xvfb.log" 2>&1 &
    echo $! >"$SANDBOX/xvfb.pid"
    local i
    for i in $(seq 1 100); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        echo ":$n" >"$SANDBOX/display"
        return 0
      fi
      kill -0 "$(cat "$SANDBOX/xvfb.pid")" 2>/dev/null || break
      sleep 0.05
    done
  done
  sandbox_fail "could not start Xvfb (see $SANDBOX/xvfb.log)"
}

sandbox_stop_screen() {
  local pid display
  pid=$(cat "$SANDBOX/xvfb.pid" 2>/dev/null) || true
  display=$(cat "$SANDBOX/display" 2>/dev/null) || true
  # A PID file outlives its Xvfb, and PIDs come round again within minutes
  # where Wine starts many processes: only the Xvfb of our display goes.
  if [[ -n $pid && -n $display ]] && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q "^Xvfb $display "; then
    kill "$pid" 2>/dev/null || true
  fi
  rm -f "$SANDBOX/xvfb.pid" "$SANDBOX/display"
}

# Runs a command as the owner of a prefix (root, or the test user).
sandbox_as_owner() {
  local prefix=$1
  shift
  local owner
  owner=$(stat -c %u "$prefix")
  if [[ $owner == "$(id -u)" ]]; then
    "$@"
  else
    setpriv --reuid="$owner" --regid="$(stat -c %g "$prefix")" --clear-groups "$@"
  fi
}

# A copy in the sandbox of a file or folder of the checkout that Wine reads
# (given relative to the checkout): the checkout may lie where the test user
# may not enter (root's home), the sandbox never does. Prints its path.
sandbox_reachable() {
  local copy=$SANDBOX/from-checkout/$1
  if [[ ! -e $copy || $KORDEX_ROOT/$1 -nt $copy ]]; then
    mkdir -p "$(dirname "$copy")"
    rm -rf "$copy"
    cp -pR "$KORDEX_ROOT/$1" "$copy"
  fi
  echo "$copy"
}

# Runs a Wine command (wine, wineserver, wineboot) in a prefix, as its owner,
# with the prefix's own home so that nothing reaches the real one. For the
# x86-64 build those names are 64-bit Wine's (scripts/wine64), also where a
# command runs one of them in turn, and so is every program Wine starts.
sandbox_wine() {
  local prefix=$1
  shift
  local arch=(WINEARCH=win32)
  if [[ $KORDEX_ARCH == x86_64 ]]; then
    arch=(WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 PATH="$(sandbox_reachable scripts/wine64):$PATH")
  fi
  sandbox_as_owner "$prefix" env WINEPREFIX="$prefix" "${arch[@]}" HOME="$prefix/home" \
    WINEDLLOVERRIDES="$WINE_OVERRIDES" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    DISPLAY="${KORDEX_DISPLAY:-$(cat "$SANDBOX/display" 2>/dev/null)}" "$@"
}

# Wine's server for the prefix, started detached: a server that inherits a
# pipe keeps the pipe open for ever.
sandbox_server() {
  sandbox_wine "$1" wineserver -p </dev/null >/dev/null 2>&1 || true
}

sandbox_stop_server() {
  if [[ -d $1 ]]; then
    sandbox_wine "$1" wineserver -k </dev/null >/dev/null 2>&1 || true
  fi
}

sandbox_ensure_test_user() {
  id "$TEST_USER" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$TEST_USER"
}

# Makes a template prefix once, owned by OWNER (default: the user running
# the tests): a prefix of the build's bitness with real shell folders inside
# it, Wine's own fonts, no desktop integration, no crash dialog and no
# window-manager stalls. Made again when the base registry settings change.
# `sandbox_make_template TEMPLATE [OWNER]`.
sandbox_make_template() {
  local template=$1 owner=${2:-} log settings
  log=$SANDBOX/wineboot-$(basename "$template").log
  settings=$(sha1sum <"$KORDEX_ROOT/tests/sandbox/base.reg")
  [[ -f $template/.complete && $(cat "$template/.complete") == "$settings" ]] && return 0
  rm -rf "$template"
  mkdir -p "$template/home"
  if [[ -n $owner ]]; then
    chown -R "$owner:" "$template"
  fi
  sandbox_wine "$template" wineboot -i </dev/null >"$log" 2>&1 ||
    sandbox_fail "wineboot failed for $template (see $log)"
  sandbox_as_owner "$template" cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/"
  local link
  for link in "$template"/drive_c/users/*/*; do
    if [[ -L $link ]]; then
      rm "$link"
      sandbox_as_owner "$template" mkdir -p "$link"
    fi
  done
  local settings_file
  settings_file=$(sandbox_reachable tests/sandbox/base.reg)
  sandbox_wine "$template" wine regedit /S 'Z:'"${settings_file//\//\\}" </dev/null ||
    sandbox_fail "could not import the base registry settings"
  sandbox_wine "$template" wineserver -w
  echo "$settings" | sandbox_as_owner "$template" tee "$template/.complete" >/dev/null
}

# The templates: template-root for the user running the tests, and, when
# that is root, template-user for the unprivileged test user.
sandbox_templates() {
  mkdir -p "$SANDBOX"
  chmod 755 "$SANDBOX"
  sandbox_make_template "$SANDBOX/template-root"
  if ((EUID == 0)); then
    sandbox_ensure_test_user
    sandbox_make_template "$SANDBOX/template-user" "$TEST_USER"
  fi
}

# A fresh prefix for one test, copied from a template: `sandbox_prefix NAME
# [root|user]`: root for the user running the tests, user for an
# unprivileged one (the same, unless that is root). Drive Z: (the whole
# Linux root) is replaced by K: for the build folder, which holds the
# installer and the test programs.
sandbox_prefix() {
  local name=$1 who=${2:-root}
  local prefix=$SANDBOX/prefixes/$name
  ((EUID == 0)) || who=root
  sandbox_stop_server "$prefix"
  rm -rf "$prefix"
  mkdir -p "$SANDBOX/prefixes"
  cp -a "$SANDBOX/template-$who" "$prefix"
  rm -f "$prefix/dosdevices/z:"
  ln -s "$KORDEX_BUILD" "$prefix/dosdevices/k:"
  sandbox_server "$prefix"
  echo "$prefix"
}

# Maps a Linux folder as a drive letter in a prefix: `sandbox_map PREFIX d: DIR`.
sandbox_map() {
  rm -f "$1/dosdevices/$2"
  ln -s "$3" "$1/dosdevices/$2"
}

# A small drive of its own, for a test that fills the disk: a tmpfs of SIZE
# (as mount takes it, e.g. 64k; it counts in 4 KiB pages) owned by the
# prefix's owner and mapped as LETTER in the prefix; prints its Linux folder.
# Needs root; sandbox_release_drives unmounts it.
#   sandbox_small_drive PREFIX LETTER SIZE
sandbox_small_drive() {
  local prefix=$1 letter=$2 size=$3
  local folder=$SANDBOX/drives/$(basename "$prefix").$letter
  sandbox_release_drives "$(basename "$prefix")"
  mkdir -p "$folder"
  mount -t tmpfs -o "size=$size,mode=0755" kordex-small "$folder" || sandbox_fail "cannot mount a small drive at $folder"
  chown "$(stat -c %u:%g "$prefix")" "$folder"
  sandbox_map "$prefix" "$letter:" "$folder"
  echo "$folder"
}

# Unmounts the small drives of the prefixes whose names start with NAME.
sandbox_release_drives() {
  local folder
  for folder in "$SANDBOX/drives/$1"*; do
    [[ -d $folder ]] || continue
    if mountpoint -q "$folder"; then umount "$folder" || umount -l "$folder"; fi
    rmdir "$folder" 2>/dev/null || true
  done
}

# Sets the scenario's registry values in a prefix:
#   sandbox_reg PREFIX KEY NAME TYPE DATA     (TYPE as `reg add` takes it)
#   sandbox_reg PREFIX KEY NAME delete
sandbox_reg() {
  local prefix=$1 key=$2 name=$3 type=$4
  if [[ $type == delete ]]; then
    sandbox_wine "$prefix" wine reg delete "$key" /v "$name" /f </dev/null >/dev/null 2>&1
    return 0
  fi
  sandbox_wine "$prefix" wine reg add "$key" /v "$name" /t "$type" /d "$5" /f </dev/null >/dev/null ||
    sandbox_fail "could not set $key\\$name"
}

# The user name Wine made the profile for, inside a prefix.
sandbox_profile_user() {
  basename "$(find "$1/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)"
}

case "${1:-}" in
  start)
    set -euo pipefail
    sandbox_start_screen
    sandbox_templates
    unit=$(sandbox_prefix unit)
    # A folder the unit tests may only read.
    mkdir -p "$unit/drive_c/kordex-readonly" && chmod 555 "$unit/drive_c/kordex-readonly"
    # The shipped installer, whose resources the unit tests read.
    sandbox_map "$unit" s: "$KORDEX_SHIPPED_BUILD"
    echo "sandbox: the $KORDEX_ARCH build, screen $(sandbox_display), prefixes in $SANDBOX"
    ;;
  stop)
    for p in "$SANDBOX"/prefixes/* "$SANDBOX"/template-*; do
      [[ -d $p ]] && sandbox_stop_server "$p"
    done
    sandbox_release_drives ""
    sandbox_stop_screen
    echo "sandbox: stopped"
    ;;
esac
