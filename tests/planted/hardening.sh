#!/usr/bin/env bash
# The installer's DLL-search hardening, run by a small loader (the same
# routine, linked from the same library) beside planted copies of every DLL
# that Windows XP, Vista or 7 may load into the installer by bare name. On
# the path Windows 7 takes and on the fallback that Vista and XP take, no
# planted copy is loaded. The control, the same loader without the
# hardening, loads planted copies, so the markers mean something.
source "$(dirname "$0")/../e2e/lib.sh"

# What the hardening must cover: the DLLs established installers preload,
# and those the installer's own calls pull in (the access check, the
# shell-link object, the folder dialog's icons, themes, message boxes).
names=(uxtheme userenv setupapi apphelp propsys dwmapi cryptbase oleacc clbcatq version
  ntmarta cryptsp sspicli secur32 profapi
  linkinfo ntshrui cscapi srvcli slc windowscodecs comres
  msimg32 winmm msctf)
folder=$KORDEX_BUILD/tests/planted/beside
rm -rf "$folder"
mkdir -p "$folder"
cp "$KORDEX_BUILD/tests/planted/hardened_loader.exe" "$folder/"
for name in "${names[@]}"; do cp "$KORDEX_BUILD/tests/planted/plant.dll" "$folder/$name.dll"; done
prefix=$(e2e_prefix)

# Runs the loader on a path (narrowest, fallback, none): sets `loaded` to
# the names whose planted copy was loaded and `status` to the loader's exit
# status; the loader's report goes to $folder/PATH.txt.
run_loader() {
  rm -f "$folder"/*.loaded
  status=0
  e2e_run "$prefix" 'K:\tests\planted\beside\hardened_loader.exe' "$1" "${names[@]/%/.dll}" >"$folder/$1.txt" ||
    status=$?
  loaded=$(cd "$folder" && for marker in *.dll.loaded; do [[ -e $marker ]] && echo "${marker%.dll.loaded}"; done || true)
}

# The control: these are taken from beside the program under Wine.
run_loader none
((status == 0)) || e2e_fail "control: the loader failed"
for name in dwmapi propsys userenv apphelp cryptbase clbcatq ntmarta profapi; do
  grep -qx "$name" <<<"$loaded" || e2e_fail "control: without the hardening the planted $name.dll was not loaded"
done

# Narrowed, nothing is preloaded: each bare-name request must find the
# system folder's copy, or none.
run_loader narrowest
[[ -z $loaded ]] || e2e_fail "narrowest path: planted copies loaded:" $loaded
((status == 0)) || e2e_fail "narrowest path: DLLs not taken from the system folder (see above)"

# On the fallback the program's own folder stays in the search: only a DLL
# in the process already is safe. One the system folder lacks cannot be
# preloaded; no part of a Windows asks for a DLL it does not have.
run_loader fallback
absent=$(tr -d '\r' <"$folder/fallback.txt" | awk '$2 == "absent" { sub(/\.dll$/, "", $1); print $1 }')
leaked=$(grep -vxF -f <(echo "$absent") <<<"$loaded" || true)
[[ -z $leaked ]] || e2e_fail "fallback path: planted copies loaded:" $leaked
((status == 0)) || e2e_fail "fallback path: DLLs not preloaded from the system folder (see above)"
echo "not in this system folder, so never asked for here:" $absent
