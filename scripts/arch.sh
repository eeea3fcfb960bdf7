# Sourced by the scripts that run the installer (run, test, benchmark): which
# Windows build this machine can run. The shipped installer is the 32-bit
# (i686) build, run under 32-bit Wine. Some machines run no 32-bit x86 code
# at all (the kernel's 32-bit emulation is off), and there no 32-bit Wine
# starts; the same sources built for x86-64 run under 64-bit Wine instead.
# KORDEX_ARCH=i686 or KORDEX_ARCH=x86_64 forces either.
#
# After `kordex_choose_arch`, KORDEX_ARCH is exported and KORDEX_ARCH_WHY
# says in a few words why it was chosen.

# Whether this machine runs 32-bit x86 code: a 96-byte 32-bit Linux program
# (ELF header, one program header, and `exit(0)` by int 0x80) is started.
kordex_runs_32bit() {
  local probe status=0
  probe=$(mktemp "${TMPDIR:-/tmp}/kordex-i386.XXXXXX")
  printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\xb8\x01\x00\x00\x00\xbb\x00\x00\x00\x00\xcd\x80' >"$probe"
  chmod 700 "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return $status
}

kordex_choose_arch() {
  case ${KORDEX_ARCH:-} in
    "")
      if kordex_runs_32bit; then
        KORDEX_ARCH=i686 KORDEX_ARCH_WHY="this machine runs 32-bit code"
      else
        KORDEX_ARCH=x86_64 KORDEX_ARCH_WHY="this machine runs no 32-bit code"
      fi
      ;;
    i686)
      kordex_runs_32bit || {
        echo "KORDEX_ARCH=i686, but this machine runs no 32-bit code: the 32-bit build cannot run here" >&2
        return 1
      }
      KORDEX_ARCH_WHY="forced by KORDEX_ARCH"
      ;;
    x86_64) KORDEX_ARCH_WHY="forced by KORDEX_ARCH" ;;
    *)
      echo "KORDEX_ARCH is '$KORDEX_ARCH': use i686 (the shipped build) or x86_64" >&2
      return 1
      ;;
  esac
  export KORDEX_ARCH
}

# The build's name in messages.
kordex_arch_title() {
  [[ $1 == i686 ]] && echo "the 32-bit build (the shipped one) under 32-bit Wine" ||
    echo "the x86-64 build under 64-bit Wine"
}

# Whether the tests run as root and an unprivileged user cannot enter FOLDER:
# the permission tests run the installer as one, from the build folder.
kordex_closed_to_others() {
  ((EUID == 0)) && ! setpriv --reuid=65534 --regid=65534 --clear-groups test -x "$1" 2>/dev/null
}

# The build folder of an architecture: the 32-bit build in KORDEX_BUILD
# (default build/), the x86-64 build beside it with -x86_64 added to its name.
# Where root builds in a checkout that other users may not enter (root's
# home), the builds live in /var/tmp/kordex-build/HASH/ instead, HASH naming
# the checkout, and build/ and build-x86_64/ in it are links there
# (kordex_link_build makes them).
kordex_build_dir() {
  local root name
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  [[ $1 == i686 ]] && name=build || name=build-$1
  if [[ -n ${KORDEX_BUILD:-} ]]; then
    [[ $1 == i686 ]] && echo "$KORDEX_BUILD" || echo "$KORDEX_BUILD-$1"
  elif kordex_closed_to_others "$root"; then
    echo "/var/tmp/kordex-build/$(printf %s "$root" | sha1sum | cut -c1-12)/$name"
  else
    echo "$root/$name"
  fi
}

# Links the checkout's build folder of ARCH to where kordex_build_dir put it,
# when that is outside the checkout; says so when it makes the link.
kordex_link_build() {
  local root build link
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  build=$(kordex_build_dir "$1")
  [[ -z ${KORDEX_BUILD:-} && $build != "$root"/* ]] || return 0
  link=$root/$(basename "$build")
  mkdir -p "$build"
  chmod 755 "$(dirname "$build")" "$build"
  [[ -L $link && $(readlink "$link") == "$build" ]] && return 0
  # A build made here before cannot be reached by the test user: it goes.
  rm -rf "$link"
  ln -s "$build" "$link"
  echo "build: other users may not enter $root, so the build is in $build ($(basename "$build")/ links there)"
}
