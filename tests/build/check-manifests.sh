#!/usr/bin/env bash
# Every exe under the given folders that embeds a manifest names in it the
# processor its PE header says it is for, both as its own identity and for
# the common controls it asks for. A 64-bit exe whose manifest names x86 is
# refused by 64-bit Windows ("side-by-side configuration is incorrect"), and
# under Wine gets the 32-bit common controls or silently the old ones.
#   check-manifests.sh FOLDER...
# Wine prefixes (sandbox/) hold Wine's own programs, the build tests' scratch
# builds (scratch/) come and go while tests run, and the benchmark's folder
# (benchmark/) holds NSIS's installers, whose manifests name any processor:
# none of them is searched.
set -euo pipefail

# The manifest's processor for a PE file, by the format objdump reads it as
# (the x86-64 objdump reads both).
expected_processor() {
  local format
  format=$(x86_64-w64-mingw32-objdump -f "$1" | sed -n 's/.*file format //p')
  case $format in
    pei-i386) echo x86 ;;
    pei-x86-64) echo amd64 ;;
    *) echo "format-$format" ;;
  esac
}

# The folders of a build that hold what is not its own build's output.
passed_over=(-false)
for folder in "$@"; do
  passed_over+=(-o -path "${folder%/}/sandbox" -o -path "${folder%/}/scratch" -o -path "${folder%/}/benchmark")
done

checked=0 failed=0
while IFS= read -r -d '' exe; do
  manifest=$(wrestool -x --raw --type=24 "$exe" 2>/dev/null | tr -d '\0') || true
  [[ -n $manifest ]] || continue
  want=$(expected_processor "$exe")
  named=$(grep -o 'processorArchitecture="[^"]*"' <<<"$manifest" | cut -d'"' -f2 | sort -u | tr '\n' ' ')
  checked=$((checked + 1))
  if [[ $named == "$want " ]]; then
    echo "$exe: $want, as its manifest says"
  else
    echo "FAIL: $exe is for $want, but its manifest names: ${named:-no processor}" >&2
    failed=$((failed + 1))
  fi
done < <(find "$@" \( "${passed_over[@]}" \) -prune -o -type f -iname '*.exe' -print0)

((checked)) || { echo "FAIL: no exe with a manifest under $*" >&2; exit 1; }
((failed == 0))
