#!/usr/bin/env bash
# DLLs planted beside the installer are never loaded: each planted copy
# leaves a marker file when something loads it.
source "$(dirname "$0")/lib.sh"

planted=(uxtheme version dwmapi msimg32 comctl32 propsys userenv cryptbase ntmarta profapi apphelp
  cryptsp winmm oleacc riched20)
folder=$KORDEX_BUILD/tests/planting
rm -rf "$folder"
mkdir -p "$folder"
cp "$KORDEX_BUILD/KORdexSetup.exe" "$KORDEX_BUILD/tests/planted/naive_loader.exe" "$folder/"
for name in "${planted[@]}"; do cp "$KORDEX_BUILD/tests/planted/plant.dll" "$folder/$name.dll"; done
prefix=$(e2e_prefix)

# The control: a program without hardening does load planted copies of the
# DLLs Wine looks for beside the program, so the markers mean something.
sandbox_wine "$prefix" wine 'K:\tests\planting\naive_loader.exe' "${planted[@]/%/.dll}" </dev/null >/dev/null 2>&1 || true
for name in dwmapi propsys userenv cryptbase ntmarta profapi; do
  [[ -e $folder/$name.dll.loaded ]] || e2e_fail "control: the unhardened loader did not load the planted $name.dll"
done
rm -f "$folder"/*.loaded

e2e_drive "$prefix" <<'SCRIPT'
start K:\tests\planting\KORdexSetup.exe
window ${CAPTION}
close
wait-exit 0
SCRIPT

loaded=$(cd "$folder" && ls -- *.loaded 2>/dev/null || true)
[[ -z $loaded ]] || e2e_fail "the installer loaded planted DLLs: $loaded"
