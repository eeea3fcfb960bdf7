#!/usr/bin/env bash
# Checks that a program imports only from the allowed system DLLs and only
# functions that Windows XP SP3 has. xp-sp3-functions.txt lists the functions
# checked against XP SP3's documentation and exports; a new import fails here
# until someone has checked it and added it (or reached it through GetProcAddress).
set -euo pipefail
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
allowed_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|comctl32|msvcrt|shlwapi)\.dll$'

imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
  /DLL Name:/ { dll = tolower($3); next }
  /^\tvma:/ { next }
  dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll, $3 }
')
[[ -n $imports ]] || { echo "no imports read from $exe" >&2; exit 1; }

status=0
while read -r dll; do
  if ! [[ $dll =~ $allowed_dlls ]]; then
    echo "imports from $dll, which is not a system DLL loaded from the system folder"
    status=1
  fi
done < <(cut -d' ' -f1 <<<"$imports" | sort -u)

# Compare case-insensitively on the DLL, exactly on the function.
unknown=$(comm -23 <(sort -u <<<"$imports") <(grep -v '^#' "$here/xp-sp3-functions.txt" | awk '{print tolower($1), $2}' | sort -u))
if [[ -n $unknown ]]; then
  echo "imports not known to exist on Windows XP SP3:"
  sed 's/^/  /' <<<"$unknown"
  status=1
fi
[[ $status == 0 ]] && echo "$(wc -l <<<"$imports") imports, all present on Windows XP SP3"
exit $status
