#!/usr/bin/env bash
# Checks that a program imports only from KnownDLLs and only functions that
# Windows XP SP3 has. A static import's DllMain runs before the program's
# first line, so before it narrows the DLL search: only a KnownDLL, which
# XP, Vista and 7 always map from the system's own copy, is safe there.
# Anything else (comctl32 included) is loaded at run time, after the
# narrowing. xp-sp3-functions.txt lists the functions checked against XP
# SP3's documentation and exports; a new import fails here until someone has
# checked it and added it (or reached it through GetProcAddress).
set -euo pipefail
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
# Reviewed: KnownDLLs on Windows XP, Vista and 7, or imported by one (which
# makes a DLL known too). ole32, oleaut32 and shell32 are KnownDLLs as well,
# but imported they and theirs would load at every start, before the first
# window: the program looks up what it calls of them when first called
# (win/LateImports.h).
allowed_dlls='^(kernel32|user32|gdi32|advapi32|comdlg32|msvcrt)\.dll$'

imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
  /DLL Name:/ { dll = tolower($3); next }
  /^\tvma:/ { next }
  dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll, $3 }
')
[[ -n $imports ]] || { echo "no imports read from $exe" >&2; exit 1; }

status=0
while read -r dll; do
  if ! [[ $dll =~ $allowed_dlls ]]; then
    echo "imports from $dll, which is not a KnownDLL on Windows XP, Vista and 7"
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
