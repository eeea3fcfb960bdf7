#!/usr/bin/env bash
# Runs a Windows test program under Wine in the bench's unit-test prefix, for
# CTest. Wine's helper processes keep inherited pipes open, so the program's
# output goes to a file first and is printed when it has ended.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/bench.sh"
bench_require_display
prefix=$BENCH/prefixes/unit
[[ -d $prefix ]] || bench_fail "no unit-test prefix: run 'scripts/bench.sh start' first"
program=$1
shift
# Test programs live in the build folder, which the prefix maps as K:.
if [[ $program == "$KORDEX_BUILD"/* ]]; then
  program="K:${program#"$KORDEX_BUILD"}"
  program=${program//\//\\}
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
bench_wine "$prefix" wine "$program" "$@" </dev/null >"$out" 2>&1
status=$?
cat "$out"
exit $status
