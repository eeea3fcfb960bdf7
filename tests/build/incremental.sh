#!/usr/bin/env bash
# A file the installer embeds, changed in place, is in the exe after the next
# build: a payload item in the build folder, a button picture's SVG and the
# icon's (each rendered again), the manifest. Each change is followed by a
# build of its own, and the exe's resource is read back: changed, and the
# same as the changed file (for an SVG, the build's rendering of it). The
# installer, rebuilt with a changed payload item, then installs the new
# bytes, which it does only if their checksum matches.
# The exe read back is the shipped 32-bit one; where the sandbox runs the
# x86-64 build, that build, rebuilt after the changes, installs.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
place=${SCRATCH_PLACES[0]}
src=$place/src
build=$place/build
exe=$build/KORdexSetup.exe

# The bytes of one resource of the exe, as wrestool's --type and --name take them.
resource() {
  wrestool -x --raw --type="$1" --name="$2" "$exe"
}

# Image N (from 1) of an icon, as icotool extracts it (a PNG image as it is
# stored): `icon_image FILE.ico N`.
icon_image() {
  icotool -x --index="$2" -o - "$1"
}

# Image N (from 1) of the exe's program icon, its icon group read out as an
# .ico file.
exe_icon_image() {
  wrestool -x --type=14 --name=1 "$exe" -o "$SCRATCH/exe-icon.ico"
  icon_image "$SCRATCH/exe-icon.ico" "$1"
}

# Each case: what is changed, how, and how the exe's copy is read out.
database=$build/sample-payload/datacore.kdx
printf 'KORdex sample database, changed in place after the first build\r\n' >"$SCRATCH/new-database"
cases=(
  "manifest|printf '<!-- changed -->\n' >>'$src/app/KORdexSetup.manifest.in'|sed s/@KORDEX_MANIFEST_PROCESSOR@/x86/g '$src/app/KORdexSetup.manifest.in'|resource 24 1"
  "picture|sed -i s/#e9eef5/#c8d4e6/ '$src/payload/art/btn_browse.svg'|cat '$build/art/btn_browse.tga'|resource 10 104"
  "icon|sed -i s/#74d860/#d8c060/ '$src/payload/art/kordex.svg'|icon_image '$build/art/kordex.ico' 5|exe_icon_image 5"
  "payload item|cat '$SCRATCH/new-database' >'$database'|cat '$database'|resource 10 2"
)
for case in "${cases[@]}"; do
  IFS='|' read -r what change expected read_out <<<"$case"
  before=$($read_out | sha256sum)
  eval "$change"
  scratch_build "$place" i686 || e2e_fail "$what: the build failed"
  after=$($read_out | sha256sum)
  [[ $after != "$before" ]] || e2e_fail "$what: changed, but the exe still holds the old one"
  cmp <(eval "$expected") <($read_out) || e2e_fail "$what: the exe's resource differs from the changed file"
  echo "$what: rebuilt with the change"
done

# The rebuilt installer installs the new database, so its checksum is the new one.
if [[ $KORDEX_ARCH != i686 ]]; then
  build=$build-$KORDEX_ARCH
  # First the sources' changes (the manifest's template configures the tree
  # again, which lays the sample payload anew), then the item's, as above.
  scratch_build "$place" "$KORDEX_ARCH" || e2e_fail "the $KORDEX_ARCH build after the source changes failed"
  cat "$SCRATCH/new-database" >"$build/sample-payload/datacore.kdx"
  scratch_build "$place" "$KORDEX_ARCH" || e2e_fail "the $KORDEX_ARCH build after the changes failed"
  exe=$build/KORdexSetup.exe
fi
prefix=$(e2e_prefix)
exe_k="K:${exe#"$KORDEX_BUILD"}"
{
  echo 'start ${SCRATCH_INSTALLER}'
  echo 'window ${CAPTION}'
  echo 'click #1003'
  e2e_install_log 'C:\Kordex'
  echo 'close'
  echo 'wait-exit 0'
} | e2e_drive "$prefix" SCRATCH_INSTALLER="${exe_k//\//\\}"
cmp "$SCRATCH/new-database" "$(e2e_c "$prefix" 'C:\Kordex')/datacore.kdx" ||
  e2e_fail "the installed datacore.kdx is not the changed one"
