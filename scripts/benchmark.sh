#!/usr/bin/env bash
# Times the installation run against a plain copy of the same five files
# (CopyFileW, same Wine prefix) and against a durable one (each file copied
# to a temporary file, flushed, moved over the target, as the installer
# writes: the difference is what the flush costs), for a payload of the
# release's sizes (6.6 MB) and one of 60 MB, and reports how much the
# installer's private memory grew during the run (RssAnon of its Wine
# process: mapped image pages do not count). Results go to stdout; work
# files to build/benchmark.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
source "$root/scripts/bench.sh"
runs=${KORDEX_BENCHMARK_RUNS:-5}
work=$KORDEX_BUILD/benchmark
mkdir -p "$work"
names=(kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt)
declare -A sizes=(
  [release]="4512768 540672 1274880 330752 1660"
  [large]="40000000 8000000 6000000 5000000 1000000"
)

bench_start_screen
mkdir -p "$BENCH" && chmod 755 "$BENCH"
bench_make_template "$BENCH/template-root"

# Builds an installer whose payload has the given item sizes (random bytes).
build_installer() {
  local name=$1 payload=$work/payload-$1 i=0 size
  mkdir -p "$payload"
  for size in ${sizes[$name]}; do
    [[ -f $payload/${names[$i]} && $(stat -c %s "$payload/${names[$i]}") == "$size" ]] ||
      head -c "$size" /dev/urandom >"$payload/${names[$i]}"
    i=$((i + 1))
  done
  cmake -S "$root" -B "$work/build-$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DBUILD_TESTING=OFF -DKORDEX_PAYLOAD_DIR="$payload" >/dev/null
  cmake --build "$work/build-$name" --target KORdexSetup >/dev/null
  cp "$work/build-$name/KORdexSetup.exe" "$work/KORdexSetup-$name.exe"
}

# The largest RssAnon (kB) of the installer's process while the log shows
# the Install click, against the value just before it. Runs until it exits.
sample_memory() {
  local exe=$1 log=$2 out=$3 pid="" base="" peak=0 rss
  while [[ -z $pid ]]; do pid=$(pgrep -f "$exe" | head -1 || true); done
  while [[ -e /proc/$pid/status ]]; do
    rss=$(awk '/^RssAnon:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    [[ -n $rss ]] || break
    if [[ -z $base ]]; then
      grep -q 'click #1003' "$log" 2>/dev/null && base=$rss
    elif ((rss > peak)); then
      peak=$rss
    fi
    sleep 0.005
  done
  echo "${base:-0} $peak" >"$out"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

echo "payload  items(bytes)                                   copy(ms)  durable(ms)  install(ms)  ratio  private memory growth"
for name in release large; do
  build_installer "$name"
  prefix=$(bench_prefix "benchmark-$name")
  bench_map "$prefix" p: "$work/payload-$name"
  copies=() durables=() installs=() growths=()
  for run in $(seq "$runs"); do
    rm -rf "$prefix/drive_c/Copy" "$prefix/drive_c/Durable" "$prefix/drive_c/Kordex"
    copies+=("$(bench_wine "$prefix" wine 'K:\tests\benchmark\copy_files.exe' 'P:' 'C:\Copy' "${names[@]}" </dev/null |
      awk '/^copy:/ {print $2}')")
    durables+=("$(bench_wine "$prefix" wine 'K:\tests\benchmark\copy_files.exe' --durable 'P:' 'C:\Durable' \
      "${names[@]}" </dev/null | awk '/^copy:/ {print $2}')")

    rm -f "$prefix/driver.log"
    cat >"$prefix/drive_c/benchmark.txt" <<SCRIPT
timeout 120
start K:\\benchmark\\KORdexSetup-$name.exe
window "KORdex v1.2 - program telepítő"
expect-line #1006 2 "> várakozás a felhasználóra..."
stopwatch-start
click #1003
expect-line #1006 14 "Telepítés befejezve, kattints a Kilépés gombra"
stopwatch-print install
close
wait-exit 0
SCRIPT
    sample_memory "KORdexSetup-$name.exe" "$prefix/driver.log" "$work/memory" &
    sampler=$!
    bench_wine "$prefix" wine 'K:\tests\e2e\driver\driver.exe' 'C:\benchmark.txt' </dev/null >"$prefix/driver.log" 2>&1 ||
      { cat "$prefix/driver.log"; exit 1; }
    wait "$sampler"
    installs+=("$(awk '/^install:/ {print $2}' "$prefix/driver.log")")
    read -r base peak <"$work/memory"
    growths+=("$((peak > base ? peak - base : 0))")
    cmp -s "$prefix/drive_c/Kordex/kordex.exe" "$work/payload-$name/kordex.exe" || bench_fail "kordex.exe differs"
  done
  copy=$(printf '%s\n' "${copies[@]}" | median)
  durable=$(printf '%s\n' "${durables[@]}" | median)
  install=$(printf '%s\n' "${installs[@]}" | median)
  growth=$(printf '%s\n' "${growths[@]}" | median)
  printf '%-8s %-46s %8s  %11s  %11s  %5s  %s kB (largest item %s kB)\n' "$name" "${sizes[$name]}" "$copy" \
    "$durable" "$install" \
    "$(awk -v i="$install" -v c="$copy" 'BEGIN {printf "%.2f", (c > 0 ? i / c : 0)}')" "$growth" \
    "$(($(echo "${sizes[$name]}" | tr ' ' '\n' | sort -n | tail -1) / 1024))"
  bench_stop_server "$prefix"
  rm -rf "$prefix"
done
echo "($runs runs each, medians; copy and installation write the same five files in the same prefix)"
