#!/usr/bin/env bash
# Builds each layer probe (CMakeLists.txt) and checks that it compiles exactly
# when its layer may use the header: a wrong one fails for want of the file.
#   compile-probes.sh BUILD-DIR PROBES-FILE
set -euo pipefail
build=$1
status=0
while read -r target header compiles; do
  if output=$(cmake --build "$build" --target "$target" 2>&1); then
    result=yes
  else
    result=no
  fi
  if [[ $result != "$compiles" ]]; then
    echo "FAIL: $target (#include \"$header\"): compiles=$result, expected $compiles"
    echo "$output" | tail -20
    status=1
  elif [[ $result == no ]] && ! grep -qF "$header: No such file or directory" <<<"$output"; then
    echo "FAIL: $target (#include \"$header\") failed for another reason:"
    echo "$output" | tail -20
    status=1
  else
    echo "$target: #include \"$header\" compiles=$result"
  fi
done <"$2"
exit $status
