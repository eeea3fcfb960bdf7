#!/usr/bin/env bash
# Sets up, builds and starts the installer under Wine, in a prefix of its own
# under build/sandbox/prefixes/run. With a working display the installer opens
# there; without one it runs on a screen of its own (Xvfb), a screenshot is
# saved and the installer is closed again. On a machine that runs no 32-bit
# code it runs the x86-64 build under 64-bit Wine instead, from
# build-x86_64/ (KORDEX_ARCH forces either: scripts/arch.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/arch.sh"
kordex_choose_arch
echo "run: $(kordex_arch_title "$KORDEX_ARCH") ($KORDEX_ARCH_WHY)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
KORDEX_BUILD=$(kordex_build_dir "$KORDEX_ARCH")
source "$root/scripts/sandbox.sh"

headless=1
if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  headless=0
  export KORDEX_DISPLAY=$DISPLAY
else
  # Reuse the sandbox's screen if a test run has one up; stop only our own.
  sandbox_screen_up && own_screen=0 || own_screen=1
  sandbox_start_screen
fi
mkdir -p "$SANDBOX" && chmod 755 "$SANDBOX"
sandbox_make_template "$SANDBOX/template-root"
prefix=$(sandbox_prefix run)

if ((!headless)); then
  echo "run: starting the installer on $DISPLAY (prefix $prefix)"
  sandbox_wine "$prefix" wine 'K:\KORdexSetup.exe' </dev/null
  sandbox_stop_server "$prefix"
  exit 0
fi

sandbox_wine "$prefix" wine 'K:\KORdexSetup.exe' </dev/null >/dev/null 2>&1 &
display=$(sandbox_display)
if ! DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --name 'KORdex v1.2' >/dev/null; then
  sandbox_stop_server "$prefix"
  sandbox_fail "the installer's window did not appear"
fi
# Let the first paint finish before the picture is taken.
DISPLAY=$display xdotool sleep 0.5
shot=$KORDEX_BUILD/screenshot.png
DISPLAY=$display import -window root "$shot"
sandbox_stop_server "$prefix"
((own_screen)) && sandbox_stop_screen
echo "run: no display here, so the installer ran on a screen of its own; screenshot: $shot"
