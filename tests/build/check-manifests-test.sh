#!/usr/bin/env bash
# The manifest check: the builds pass it; small exes of either processor
# pass it with their own processor's manifest and fail it with the other's.
#   check-manifests-test.sh BUILD-FOLDER...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
check=$here/check-manifests.sh
template=$here/../../app/KORdexSetup.manifest.in

bash "$check" "$@"
echo "every built exe's manifest names its own processor"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf 'int main(void) { return 0; }\n' >"$scratch/main.c"
status=0
# compiler prefix, the processor its manifest names, whether the check must pass
while read -r triple processor passes; do
  case=$scratch/$triple-$processor
  mkdir -p "$case"
  sed "s/@KORDEX_MANIFEST_PROCESSOR@/$processor/g" "$template" >"$case/app.manifest"
  printf '#include <windows.h>\nCREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST "app.manifest"\n' >"$case/app.rc"
  "$triple-windres" -I "$case" "$case/app.rc" -O coff -o "$case/app.res"
  "$triple-gcc-win32" "$scratch/main.c" "$case/app.res" -o "$case/app.exe"
  if bash "$check" "$case" >"$case/out" 2>&1; then result=yes; else result=no; fi
  if [[ $result != "$passes" ]]; then
    echo "FAIL: a $triple exe whose manifest names $processor: the check answered passes=$result"
    cat "$case/out"
    status=1
  fi
done <<'CASES'
i686-w64-mingw32    x86    yes
x86_64-w64-mingw32  amd64  yes
x86_64-w64-mingw32  x86    no
i686-w64-mingw32    amd64  no
CASES
((status == 0)) && echo "an exe whose manifest names another processor fails the check"
exit $status
