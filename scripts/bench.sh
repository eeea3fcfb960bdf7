#!/usr/bin/env bash
# The test bench: a screen of our own (Xvfb) and Wine prefixes of our own,
# all under build/bench, so that no run touches the user's home or display.
#
#   scripts/bench.sh start   screen up, template prefixes made (CTest's fixture)
#   scripts/bench.sh stop    screen and Wine servers down
#
# Sourced, it gives the functions below to the test scripts.

KORDEX_ROOT=${KORDEX_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
KORDEX_BUILD=${KORDEX_BUILD:-$KORDEX_ROOT/build}
BENCH=$KORDEX_BUILD/bench
# The build in KORDEX_BUILD, which the bench runs: i686 under 32-bit Wine,
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

bench_fail() {
  echo "bench: $*" >&2
  exit 1
}

# A test that cannot run without root (mounting a drive, adding a user) is
# reported to CTest as skipped, naming why, never as passed.
bench_require_root() {
  if ((EUID != 0)); then
    echo "skipped: needs root to $*"
    exit 77
  fi
}

bench_display() {
  [[ -s $BENCH/display ]] || bench_fail "no screen: run 'scripts/bench.sh start' first"
  cat "$BENCH/display"
}

# Fails loudly unless the bench's screen answers: without one, message boxes
# return at once and a GUI test could pass having shown nothing.
bench_require_display() {
  local display
  display=$(bench_display)
  xdpyinfo -display "$display" >/dev/null 2>&1 || bench_fail "the screen $display does not answer"
}

bench_start_screen() {
  mkdir -p "$BENCH"
  if [[ -s $BENCH/display ]] && xdpyinfo -display "$(cat "$BENCH/display")" >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 91 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -nolisten tcp -screen 0 1280x1024x24 -dpi 96 </dev/null >"$BENCH/xvfb.log" 2>&1 &
    echo $! >"$BENCH/xvfb.pid"
    local i
    for i in $(seq 1 100); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        echo ":$n" >"$BENCH/display"
        return 0
      fi
      kill -0 "$(cat "$BENCH/xvfb.pid")" 2>/dev/null || break
      sleep 0.05
    done
  done
  bench_fail "could not start Xvfb (see $BENCH/xvfb.log)"
}

bench_stop_screen() {
  if [[ -s $BENCH/xvfb.pid ]]; then
    kill "$(cat "$BENCH/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$BENCH/xvfb.pid" "$BENCH/display"
}

# Runs a command as the owner of a prefix (root, or the test user).
bench_as_owner() {
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

# A copy in the bench of a file or folder of the checkout that Wine reads
# (given relative to the checkout): the checkout may lie where the test user
# may not enter (root's home), the bench never does. Prints its path.
bench_reachable() {
  local copy=$BENCH/from-checkout/$1
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
bench_wine() {
  local prefix=$1
  shift
  local arch=(WINEARCH=win32)
  if [[ $KORDEX_ARCH == x86_64 ]]; then
    arch=(WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 PATH="$(bench_reachable scripts/wine64):$PATH")
  fi
  bench_as_owner "$prefix" env WINEPREFIX="$prefix" "${arch[@]}" HOME="$prefix/home" \
    WINEDLLOVERRIDES="$WINE_OVERRIDES" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    DISPLAY="${KORDEX_DISPLAY:-$(cat "$BENCH/display" 2>/dev/null)}" "$@"
}

# Wine's server for the prefix, started detached: a server that inherits a
# pipe keeps the pipe open for ever.
bench_server() {
  bench_wine "$1" wineserver -p </dev/null >/dev/null 2>&1 || true
}

bench_stop_server() {
  if [[ -d $1 ]]; then
    bench_wine "$1" wineserver -k </dev/null >/dev/null 2>&1 || true
  fi
}

bench_ensure_test_user() {
  id "$TEST_USER" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$TEST_USER"
}

# Makes a template prefix once, owned by OWNER (default: the user running
# the tests): a prefix of the build's bitness with real shell folders inside
# it, Wine's own fonts, no desktop integration, no crash dialog and no
# window-manager stalls. Made again when the base registry settings change.
# `bench_make_template TEMPLATE [OWNER]`.
bench_make_template() {
  local template=$1 owner=${2:-} log settings
  log=$BENCH/wineboot-$(basename "$template").log
  settings=$(sha1sum <"$KORDEX_ROOT/tests/bench/base.reg")
  [[ -f $template/.complete && $(cat "$template/.complete") == "$settings" ]] && return 0
  rm -rf "$template"
  mkdir -p "$template/home"
  if [[ -n $owner ]]; then
    chown -R "$owner:" "$template"
  fi
  bench_wine "$template" wineboot -i </dev/null >"$log" 2>&1 ||
    bench_fail "wineboot failed for $template (see $log)"
  bench_as_owner "$template" cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/"
  local link
  for link in "$template"/drive_c/users/*/*; do
    if [[ -L $link ]]; then
      rm "$link"
      bench_as_owner "$template" mkdir -p "$link"
    fi
  done
  local settings_file
  settings_file=$(bench_reachable tests/bench/base.reg)
  bench_wine "$template" wine regedit /S 'Z:'"${settings_file//\//\\}" </dev/null ||
    bench_fail "could not import the base registry settings"
  bench_wine "$template" wineserver -w
  echo "$settings" | bench_as_owner "$template" tee "$template/.complete" >/dev/null
}

# The templates: template-root for the user running the tests, and, when
# that is root, template-user for the unprivileged test user.
bench_templates() {
  mkdir -p "$BENCH"
  chmod 755 "$BENCH"
  bench_make_template "$BENCH/template-root"
  if ((EUID == 0)); then
    bench_ensure_test_user
    bench_make_template "$BENCH/template-user" "$TEST_USER"
  fi
}

# A fresh prefix for one test, copied from a template: `bench_prefix NAME
# [root|user]`: root for the user running the tests, user for an
# unprivileged one (the same, unless that is root). Drive Z: (the whole
# Linux root) is replaced by K: for the build folder, which holds the
# installer and the test programs.
bench_prefix() {
  local name=$1 who=${2:-root}
  local prefix=$BENCH/prefixes/$name
  ((EUID == 0)) || who=root
  bench_stop_server "$prefix"
  rm -rf "$prefix"
  mkdir -p "$BENCH/prefixes"
  cp -a "$BENCH/template-$who" "$prefix"
  rm -f "$prefix/dosdevices/z:"
  ln -s "$KORDEX_BUILD" "$prefix/dosdevices/k:"
  bench_server "$prefix"
  echo "$prefix"
}

# Maps a Linux folder as a drive letter in a prefix: `bench_map PREFIX d: DIR`.
bench_map() {
  rm -f "$1/dosdevices/$2"
  ln -s "$3" "$1/dosdevices/$2"
}

# A small drive of its own, for a test that fills the disk: a tmpfs of SIZE
# (as mount takes it, e.g. 64k; it counts in 4 KiB pages) owned by the
# prefix's owner and mapped as LETTER in the prefix; prints its Linux folder.
# Needs root; bench_release_drives unmounts it.
#   bench_small_drive PREFIX LETTER SIZE
bench_small_drive() {
  local prefix=$1 letter=$2 size=$3
  local folder=$BENCH/drives/$(basename "$prefix").$letter
  bench_release_drives "$(basename "$prefix")"
  mkdir -p "$folder"
  mount -t tmpfs -o "size=$size,mode=0755" kordex-small "$folder" || bench_fail "cannot mount a small drive at $folder"
  chown "$(stat -c %u:%g "$prefix")" "$folder"
  bench_map "$prefix" "$letter:" "$folder"
  echo "$folder"
}

# Unmounts the small drives of the prefixes whose names start with NAME.
bench_release_drives() {
  local folder
  for folder in "$BENCH/drives/$1"*; do
    [[ -d $folder ]] || continue
    if mountpoint -q "$folder"; then umount "$folder" || umount -l "$folder"; fi
    rmdir "$folder" 2>/dev/null || true
  done
}

# Sets the scenario's registry values in a prefix:
#   bench_reg PREFIX KEY NAME TYPE DATA     (TYPE as `reg add` takes it)
#   bench_reg PREFIX KEY NAME delete
bench_reg() {
  local prefix=$1 key=$2 name=$3 type=$4
  if [[ $type == delete ]]; then
    bench_wine "$prefix" wine reg delete "$key" /v "$name" /f </dev/null >/dev/null 2>&1
    return 0
  fi
  bench_wine "$prefix" wine reg add "$key" /v "$name" /t "$type" /d "$5" /f </dev/null >/dev/null ||
    bench_fail "could not set $key\\$name"
}

# The user name Wine made the profile for, inside a prefix.
bench_profile_user() {
  basename "$(find "$1/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)"
}

case "${1:-}" in
  start)
    set -euo pipefail
    bench_start_screen
    bench_templates
    unit=$(bench_prefix unit)
    # A folder the unit tests may only read.
    mkdir -p "$unit/drive_c/kordex-readonly" && chmod 555 "$unit/drive_c/kordex-readonly"
    # The shipped installer, whose resources the unit tests read.
    bench_map "$unit" s: "$KORDEX_SHIPPED_BUILD"
    echo "bench: the $KORDEX_ARCH build, screen $(bench_display), prefixes in $BENCH"
    ;;
  stop)
    for p in "$BENCH"/prefixes/* "$BENCH"/template-*; do
      [[ -d $p ]] && bench_stop_server "$p"
    done
    bench_release_drives ""
    bench_stop_screen
    echo "bench: stopped"
    ;;
esac
