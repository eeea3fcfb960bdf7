# Sourced by the build tests: two scratch builds of the installer, each from
# its own copy of the sources as they are now (committed or not), as a
# packager builds it (scripts/build.sh, no tests), in two places that differ
# in name and depth. Where the sandbox runs the x86-64 build, the first place
# has one of those too, for the installation that follows its rebuilds.
set -euo pipefail
KORDEX_ROOT=${KORDEX_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
KORDEX_BUILD=${KORDEX_BUILD:-$KORDEX_ROOT/build}
KORDEX_ARCH=${KORDEX_ARCH:-i686}
SCRATCH=$KORDEX_BUILD/scratch
SCRATCH_PLACES=("$SCRATCH/one" "$SCRATCH/a-second-place/one-level-deeper")

# Copies the sources, without the build folders, to DEST: `scratch_copy DEST`.
scratch_copy() {
  local dest=$1 build_rel
  mkdir -p "$dest"
  build_rel=$(realpath -m --relative-to="$KORDEX_ROOT" "$KORDEX_BUILD")
  (cd "$KORDEX_ROOT" && git ls-files -z --cached --others --exclude-standard |
    grep -zv "^${build_rel//./\\.}/" | tar --null --no-recursion --ignore-failed-read -T - -cf -) |
    tar -C "$dest" -xf -
}

# Builds the copy in PLACE/src for ARCH (i686, or x86_64 for the sandbox's
# installs where no 32-bit code runs) into PLACE/build, or PLACE/build-x86_64:
# `scratch_build PLACE ARCH [CMAKE-ARGS...]`.
scratch_build() {
  local place=$1 arch=$2 log=$1/build-$2.log
  shift 2
  if ! KORDEX_ARCH=$arch KORDEX_BUILD=$place/build "$place/src/scripts/build.sh" "$@" >"$log" 2>&1; then
    tail -30 "$log"
    echo "the $arch build in $place failed (log: $log)" >&2
    return 1
  fi
}
