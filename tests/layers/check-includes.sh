#!/usr/bin/env bash
# Fails on an include against the layers' direction: every #include "..." in
# a layer's folder must name a layer it may use, as "<layer>/<File>". app may
# use app, gui, support and win; gui only gui and win; support only support
# and win; win only win. An include without a layer's folder, or with "..",
# could reach a file beside the layer, so it fails too.
#
#   check-includes.sh ROOT   checks the layers' folders under ROOT
#   check-includes.sh        checks the project's own
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}

declare -A may_use=([app]="app gui support win" [gui]="gui win" [support]="support win" [win]="win")

status=0
for layer in app gui support win; do
  [[ -d $root/$layer ]] || continue
  while IFS= read -r found; do
    file=${found%%:*}
    rest=${found#*:}
    line=${rest%%:*}
    included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"${rest#*:}")
    target=${included%%/*}
    if [[ $included != */* || $included == *..* ]] || ! [[ " ${may_use[$layer]} " == *" $target "* ]]; then
      echo "${file#"$root"/}:$line: includes \"$included\", which the $layer layer may not use (it may use: ${may_use[$layer]})"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$root/$layer" \
             --include='*.h' --include='*.cpp' --include='*.c' --include='*.rc' || true)
done
exit $status
