#!/usr/bin/env bash
# Runs a Windows test program under Wine in the sandbox's unit-test prefix, for
# CTest. Wine's helper processes keep inherited pipes open, so the program's
# output goes to a file first and is printed when it has ended.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/sandbox.sh"
sandbox_require_display
prefix=$SANDBOX/prefixes/unit
[[ -d $prefix ]] || sandbox_fail "no unit-test prefix: run 'scripts/sandbox.sh start' first"
program=$1
shift
# Test programs live in the build folder, which the prefix maps as K:.
if [[ $program == "$KORDEX_BUILD"/* ]]; then
  program="K:${program#"$KORDEX_BUILD"}"
  program=${program//\//\\}
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
sandbox_wine "$prefix" wine "$program" "$@" </dev/null >"$out" 2>&1
status=$?
cat "$out"
exit $status
