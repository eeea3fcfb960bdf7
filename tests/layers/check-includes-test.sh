#!/usr/bin/env bash
# The include check: the project passes it; each include against the layers'
# direction, in a small tree of its own, fails it, and each allowed one passes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
check=$here/check-includes.sh

"$check"
echo "the project's includes follow the layers"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
# layer, the include, whether the check must let it pass
while read -r layer included passes; do
  rm -rf "${scratch:?}"/*
  mkdir -p "$scratch/$layer"
  printf '#include <windows.h>\n#include "%s"\n' "$included" >"$scratch/$layer/Probe.cpp"
  if "$check" "$scratch" >"$scratch.out" 2>&1; then result=yes; else result=no; fi
  if [[ $result != "$passes" ]]; then
    echo "FAIL: $layer including \"$included\": the check answered passes=$result"
    cat "$scratch.out"
    status=1
  fi
done <<'CASES'
win     gui/Window.h                    no
win     support/Registry.h              no
win     app/PayloadWriter.h             no
gui     support/Registry.h              no
gui     app/mainwindow/mainwindow.h     no
support gui/Window.h                    no
support app/PayloadWriter.h             no
gui     ../app/mainwindow/mainwindow.h  no
gui     win/../app/PayloadWriter.h      no
gui     Window.h                        no
win     win/Error.h                     yes
gui     win/Error.h                     yes
gui     gui/Window.h                    yes
support win/Handles.h                   yes
app     gui/Form.h                      yes
app     support/Registry.h              yes
app     win/Error.h                     yes
CASES
rm -f "$scratch.out"
[[ $status == 0 ]] && echo "every wrong direction fails the check, every allowed one passes"
exit $status
