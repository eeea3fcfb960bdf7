#!/usr/bin/env bash
# Measures the installer against yardsticks and against a peer, for a payload
# of the release's sizes (6.6 MB) and one of 60 MB, in one table:
#
#   start-up   start to main window shown (visible), and to its answering
#              (painted, its thread reading messages), against an empty window built
#              with the same flags (tests/benchmark/empty_window.cpp) and
#              against the first page of an NSIS installer of the same payload;
#              also against the empty window prepared as the installer must be
#              before its first window (DLL search hardened, common controls 6,
#              COM, the shell), which tells apart what the window itself costs;
#              and the installer again with Wine reporting Vista, where the
#              DLL search cannot be narrowed and the hardening preloads
#   run        Install click to the last log entry, against a program doing
#              the same work without a window (tests/benchmark/same_work.cpp:
#              the folders, the five files written durably, the shortcut)
#   size       each exe minus its payload
#   memory     the installer's private memory growth during a run (RssAnon),
#              sampled in an untimed run of its own
#
# Every measurement runs in the same Wine prefix. Untimed first, every
# program is started and the run made once (the page cache). Then rounds of
# start-ups (KORDEX_BENCHMARK_RUNS, default 9): one driver starts each
# program three times (KORDEX_BENCHMARK_TRIES), in an order that turns each
# round, after an untimed start and with each program's end left to settle,
# and the round keeps each program's fastest start; then rounds of the run
# and the same work (KORDEX_BENCHMARK_RUN_ROUNDS, default 15), apart from the
# start-ups, so that their disk writes land under none of them; then the
# memory samples. The table gives medians with min and max, and each ratio
# as the median of the rounds' own ratios, so that the machine's drift
# between rounds cancels out. NSIS
# (Debian's nsis package) is used for this comparison only and installed
# here if missing. It measures the build this machine runs (scripts/arch.sh:
# the 32-bit one, or the x86-64 one where no 32-bit code runs, with a 64-bit
# NSIS peer) and says which. Results go to stdout; work files to
# build/benchmark (build-x86_64/benchmark).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/arch.sh"
kordex_choose_arch
echo "benchmark: measuring $(kordex_arch_title "$KORDEX_ARCH") ($KORDEX_ARCH_WHY)"
"$root/scripts/setup.sh"
if ! command -v makensis >/dev/null; then
  echo "benchmark: installing nsis for the comparison"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends nsis >/dev/null
fi
"$root/scripts/build.sh"
# The shipped 32-bit exe is built everywhere; where it cannot run, its size
# is still reported.
[[ $KORDEX_ARCH == i686 ]] || KORDEX_ARCH=i686 "$root/scripts/build.sh" >/dev/null
shipped_build=$(kordex_build_dir i686)
KORDEX_BUILD=$(kordex_build_dir "$KORDEX_ARCH")
source "$root/scripts/sandbox.sh"
declare -A nsis_targets=([i686]=x86-unicode [x86_64]=amd64-unicode)
# Rounds of start-ups (each kind started as often as there are tries), of
# run pairs (the run and the same work), and of memory samples.
startup_rounds=${KORDEX_BENCHMARK_RUNS:-9}
startup_tries=${KORDEX_BENCHMARK_TRIES:-3}
run_rounds=${KORDEX_BENCHMARK_RUN_ROUNDS:-15}
memory_rounds=5
startup_kinds=(empty prepared nsis ours vista)
# How often the driver looks for the window, and how long a program's end is
# left to settle before the next start is timed.
poll_ms=1
settle_ms=150
work=$KORDEX_BUILD/benchmark
mkdir -p "$work"
mapfile -t names < <(awk '/^[0-9]/ { print $2 }' "$root/payload/items.txt")
declare -A sizes=(
  [release]="4512768 540672 1274880 330752 1660"
  [large]="40000000 8000000 6000000 5000000 1000000"
)
declare -A titles=([release]="6.6 MB" [large]="60 MB")
caption='KORdex v1.2 - program telepítő'
nsis_caption='KORdex Setup: Installation Folder'

# A screen that a test run has up is used and left up; one started here is
# stopped when the script ends, however it ends.
sandbox_screen_up && own_screen=0 || own_screen=1
sandbox_start_screen
((own_screen)) && trap sandbox_stop_screen EXIT
mkdir -p "$SANDBOX" && chmod 755 "$SANDBOX"
sandbox_make_template "$SANDBOX/template-root"

# The payload of the given item sizes (random bytes, so that nothing
# compresses it), the installer and the NSIS installer built with it.
build_installers() {
  local name=$1 payload=$work/payload-$1 i=0 size
  mkdir -p "$payload"
  for size in ${sizes[$name]}; do
    [[ -f $payload/${names[$i]} && $(stat -c %s "$payload/${names[$i]}") == "$size" ]] ||
      head -c "$size" /dev/urandom >"$payload/${names[$i]}"
    i=$((i + 1))
  done
  cmake -S "$root" -B "$work/build-$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$KORDEX_ARCH.cmake" \
    -DBUILD_TESTING=OFF -DKORDEX_PAYLOAD_DIR="$payload" >/dev/null
  cmake --build "$work/build-$name" --target KORdexSetup >/dev/null
  cp "$work/build-$name/KORdexSetup.exe" "$work/KORdexSetup-$name.exe"
  # The same exe under another name, which the prefix has Wine report Vista for.
  cp "$work/build-$name/KORdexSetup.exe" "$work/KORdexSetup-$name-vista.exe"
  makensis -V1 -DTARGET="${nsis_targets[$KORDEX_ARCH]}" -DPAYLOAD="$payload" -DOUT="$work/nsis-$name.exe" \
    "$root/tests/benchmark/peer.nsi" >/dev/null
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

# Runs a driver script (stdin) in the prefix; prints its stopwatch's
# figures as "LABEL VALUE" lines.
drive() {
  local prefix=$1
  cat >"$prefix/drive_c/benchmark.txt"
  sandbox_wine "$prefix" wine 'K:\tests\e2e\driver\driver.exe' 'C:\benchmark.txt' </dev/null >"$prefix/driver.log" 2>&1 ||
    { cat "$prefix/driver.log" >&2; sandbox_fail "the driver failed"; }
  awk '$NF == "ms" && $1 ~ /:$/ {sub(/:$/, "", $1); print $1, $2}' "$prefix/driver.log"
}

# Removes what an installation made, so that every one starts afresh.
uninstall() {
  rm -rf "$1/drive_c/Kordex" "$1/drive_c/Check"
  rm -f "$1"/drive_c/users/*/Desktop/Kordex.lnk
}

installed_check() {
  local prefix=$1 payload=$2 what=$3
  cmp -s "$prefix/drive_c/Kordex/kordex.exe" "$payload/kordex.exe" || sandbox_fail "$what: kordex.exe differs"
  [[ -d $prefix/drive_c/Kordex/excel && -d $prefix/drive_c/Kordex/xml ]] || sandbox_fail "$what: no excel or xml"
  compgen -G "$prefix/drive_c/users/*/Desktop/Kordex.lnk" >/dev/null || sandbox_fail "$what: no shortcut"
}

# A round of start-ups in one driver: an untimed start of the empty window
# first, so that no timed one is the round's first after the machine's other
# work, then the kinds given, in that order, as many times over as there are
# tries, each start after the last one's end has settled. Prints "KIND VALUE"
# lines, each kind's value the round's fastest: what another process on the
# machine adds to a start only ever lengthens it.
startup_round() {
  local prefix=$1 name=$2 kind try
  shift 2
  {
    echo "poll $poll_ms"
    startup_steps "$name" warmup
    for try in $(seq "$startup_tries"); do
      for kind; do startup_steps "$name" "$kind"; done
    done
  } | drive "$prefix" | awk '$1 !~ /^warmup/ {
      if (!($1 in best)) order[++n] = $1
      if (!($1 in best) || $2 < best[$1]) best[$1] = $2
    }
    END {for (i = 1; i <= n; i++) print order[i], best[order[i]]}'
}

startup_steps() {
  local name=$1 kind=$2 exe window=$caption control=""
  case $kind in
  empty | warmup) exe='K:\tests\benchmark\empty_window.exe' window="Empty window" ;;
  prepared) exe='K:\tests\benchmark\empty_window_prepared.exe' window="Empty window" ;;
  nsis) exe="K:\\benchmark\\nsis-$name.exe" window=$nsis_caption control="B&rowse..." ;;
  ours) exe="K:\\benchmark\\KORdexSetup-$name.exe" ;;
  vista) exe="K:\\benchmark\\KORdexSetup-$name-vista.exe" ;;
  esac
  printf 'settle %s\nstopwatch-start\nstart %s\nwindow "%s"\n' "$settle_ms" "$exe" "$window"
  [[ -z $control ]] || printf 'expect-visible "%s" yes\n' "$control"
  # Shown is when the window turns visible; it answers once it is painted
  # and its thread reads messages: the installer's first paint, of its
  # themed controls and pictures, comes between the two.
  printf 'stopwatch-print %s\nsync\nstopwatch-print %s-answering\nclose\nwait-exit *\n' "$kind" "$kind"
}

# The run's work without a window.
measure_same_work() {
  local prefix=$1 name=$2 time
  uninstall "$prefix"
  time=$(sandbox_wine "$prefix" wine 'K:\tests\benchmark\same_work.exe' 'P:' 'C:\Kordex' "${names[@]}" \
    </dev/null 2>&1 | awk '$1 == "run:" {print $2}')
  installed_check "$prefix" "$work/payload-$name" "same work"
  echo "same $time"
}

# The driver's script of an installation run, timed from the Install click
# to the last log entry.
install_script() {
  cat <<SCRIPT
poll 1
start K:\\benchmark\\KORdexSetup-$1.exe
window "$caption"
expect-line #1006 2 "> várakozás a felhasználóra..."
stopwatch-start
click #1003
expect-line #1006 14 "Telepítés befejezve, kattints a Kilépés gombra"
stopwatch-print install
close
wait-exit 0
SCRIPT
}

# The installation run.
measure_run() {
  local prefix=$1 name=$2 time
  uninstall "$prefix"
  time=$(install_script "$name" | drive "$prefix" | awk '$1 == "install" {print $2}')
  installed_check "$prefix" "$work/payload-$name" "installation run"
  echo "run $time"
}

# The installer's private memory growth during a run, in an untimed run of
# its own: the sampling would load the machine under a timed one.
measure_memory() {
  local prefix=$1 name=$2 sampler base peak
  uninstall "$prefix"
  rm -f "$prefix/driver.log"
  sample_memory "KORdexSetup-$name.exe" "$prefix/driver.log" "$work/memory" &
  sampler=$!
  install_script "$name" | drive "$prefix" >/dev/null
  wait "$sampler"
  installed_check "$prefix" "$work/payload-$name" "installation run"
  read -r base peak <"$work/memory"
  echo "memory $((peak > base ? peak - base : 0))"
}

# median (min–max) of the values of a kind, from "KIND VALUE" lines.
stats() {
  awk -v kind="$1" '$1 == kind {print $2}' "$2" | sort -g |
    awk -v f="${3:-%.0f}" '{a[NR] = $1} END {if (!NR) {print "-"; exit}
      printf f " (" f "–" f ")", a[int((NR + 1) / 2)], a[1], a[NR]}'
}

# The rounds' own ratios (or differences, with "-") of two kinds.
relation() {
  awk -v a="$1" -v b="$2" -v op="${4:-/}" '$1 == a {x[++n] = $2} $1 == b {y[++m] = $2}
    END {for (i = 1; i <= n && i <= m; i++) print "r", (op == "/" ? x[i] / y[i] : x[i] - y[i])}' "$3" >"$3.rel"
  stats r "$3.rel" "${5:-%.2f}"
}

kb() { echo "$((($1 + 512) / 1024))"; }

declare -A table
for name in release large; do
  build_installers "$name"
  prefix=$(sandbox_prefix "benchmark-$name")
  sandbox_map "$prefix" p: "$work/payload-$name"
  sandbox_reg "$prefix" "HKCU\\Software\\Wine\\AppDefaults\\KORdexSetup-$name-vista.exe" Version REG_SZ vista
  results=$work/results-$name
  : >"$results"
  # Untimed first: every program started and the run made once, so that
  # every file the rounds read is in the page cache.
  startup_round "$prefix" "$name" "${startup_kinds[@]}" >/dev/null
  measure_same_work "$prefix" "$name" >/dev/null
  measure_run "$prefix" "$name" >/dev/null
  # The start-ups apart from the runs, whose writes the disk would still be
  # flushing under the next start-up; what was written so far goes first.
  sync
  for round in $(seq "$startup_rounds"); do
    # What is compared is measured side by side, in an order that turns each
    # round, so that no kind always comes first.
    turn=$((round % ${#startup_kinds[@]}))
    startup_round "$prefix" "$name" "${startup_kinds[@]:turn}" "${startup_kinds[@]:0:turn}" >>"$results"
  done
  for round in $(seq "$run_rounds"); do
    pair=(same run)
    ((round % 2)) || pair=(run same)
    for step in "${pair[@]}"; do
      case $step in
      same) measure_same_work "$prefix" "$name" ;;
      run) measure_run "$prefix" "$name" ;;
      esac
    done >>"$results"
  done
  for round in $(seq "$memory_rounds"); do
    measure_memory "$prefix" "$name" >>"$results"
  done
  sandbox_stop_server "$prefix"
  rm -rf "$prefix"

  payload_bytes=$(echo "${sizes[$name]}" | tr ' ' '\n' | awk '{s += $1} END {print s}')
  largest=$(echo "${sizes[$name]}" | tr ' ' '\n' | sort -n | tail -1)
  table[$name]="$(stats empty "$results")|$(stats prepared "$results")|$(stats nsis "$results")"
  table[$name]+="|$(stats ours "$results")|$(relation ours empty "$results")|$(relation ours prepared "$results")"
  table[$name]+="|$(relation ours nsis "$results")"
  table[$name]+="|$(stats empty-answering "$results")|$(stats ours-answering "$results")"
  table[$name]+="|$(relation ours-answering empty-answering "$results")|$(relation ours-answering nsis-answering "$results")"
  table[$name]+="|$(stats vista "$results")|$(relation vista empty "$results")"
  table[$name]+="|$(stats same "$results")|$(stats run "$results")"
  table[$name]+="|$(relation run same "$results")|$(relation run same "$results" - "%.0f")"
  table[$name]+="|$(kb $(($(stat -c %s "$work/KORdexSetup-$name.exe") - payload_bytes)))"
  table[$name]+="|$(kb $(($(stat -c %s "$work/nsis-$name.exe") - payload_bytes)))"
  table[$name]+="|$(stats memory "$results") (largest item $(kb "$largest"))"
done

rows=(
  "start-up: empty window, ms"
  "start-up: empty window, prepared as the installer, ms"
  "start-up: NSIS first page, ms"
  "start-up: installer, ms"
  "start-up: installer / empty window (goal ≤ 1.25)"
  "start-up: installer / prepared empty window"
  "start-up: installer / NSIS first page (goal ≤ 0.8)"
  "start-up until it answers (painted, reading messages): empty window, ms"
  "start-up until it answers: installer, ms"
  "start-up until it answers: installer / empty window"
  "start-up until it answers: installer / NSIS first page"
  "start-up: installer, Wine reporting Vista (the fallback: preloading), ms"
  "start-up: installer, Wine reporting Vista / empty window"
  "run: same work, ms"
  "run: installer, click to last entry, ms"
  "run: installer / same work (goal ≤ 1.3 at 60 MB)"
  "run: installer − same work, ms (goal ≤ 30 at 6.6 MB)"
  "exe minus payload: installer, KB (goal ≤ 300)"
  "exe minus payload: NSIS, KB"
  "installer's private memory growth, kB"
)
declare -A arch_labels=([i686]="32-bit build (shipped)" [x86_64]="x86-64 build")
echo "| ${arch_labels[$KORDEX_ARCH]} | ${titles[release]} | ${titles[large]} |"
echo "|---|---|---|"
IFS='|' read -r -a release <<<"${table[release]}"
IFS='|' read -r -a large <<<"${table[large]}"
for i in "${!rows[@]}"; do
  echo "| ${rows[$i]} | ${release[$i]} | ${large[$i]} |"
done
if [[ $KORDEX_ARCH != i686 ]]; then
  shipped_payload=$(cat "$shipped_build"/sample-payload/* | wc -c)
  echo "| exe minus payload: the shipped 32-bit installer (not measured above; built with the sample payload), KB" \
    "(goal ≤ 300) | $(kb $(($(stat -c %s "$shipped_build/KORdexSetup.exe") - shipped_payload))) | |"
fi
echo "(measured: $(kordex_arch_title "$KORDEX_ARCH"); $startup_rounds rounds of start-ups (each round's fastest of $startup_tries tries)," \
  "$run_rounds of runs, $memory_rounds of memory;"
echo " median (min–max); ratios and differences are the median of each round's own)"
