#!/usr/bin/env bash
# Signs the installer in place with Authenticode, for packagers:
#
#   scripts/sign.sh PFX-FILE [EXE]      (EXE: build/KORdexSetup.exe, or in $KORDEX_BUILD)
#
# PFX-FILE is the PKCS#12 file with the certificate and its key; its password
# comes from the environment variable KORDEX_SIGN_PASSWORD (empty when unset),
# handed to osslsigncode on a pipe, never on a command line that others could
# see. The exe gets a SHA-1 signature, which Windows XP checks, with a nested
# SHA-256 one, which Windows 7 checks. With KORDEX_SIGN_TIMESTAMP_URL set,
# both are timestamped by that server (Authenticode and RFC 3161 requests),
# so they stay valid after the certificate expires.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if (($# < 1 || $# > 2)); then
  echo "usage: scripts/sign.sh PFX-FILE [EXE]" >&2
  exit 2
fi
pfx=$1
exe=${2:-${KORDEX_BUILD:-$root/build}/KORdexSetup.exe}
[[ -f $pfx ]] || { echo "sign: no PKCS#12 file $pfx" >&2; exit 1; }
[[ -f $exe ]] || { echo "sign: no exe $exe" >&2; exit 1; }

# The signed copies are made beside the exe, which is replaced only once both
# signatures are in: a failure leaves it as it was.
work=$(mktemp -d "$(dirname "$exe")/.sign.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Signs IN into OUT: `sign_once DIGEST IN OUT [OPTIONS...]`.
sign_once() {
  local digest=$1 in=$2 out=$3
  shift 3
  # osslsigncode drops the line end; an empty line is an empty password.
  printf '%s\n' "${KORDEX_SIGN_PASSWORD:-}" |
    osslsigncode sign -pkcs12 "$pfx" -readpass - -h "$digest" "$@" -in "$in" -out "$out" >"$work/log" 2>&1 || {
    cat "$work/log" >&2
    echo "sign: signing $exe with $digest failed" >&2
    exit 1
  }
}

sha1_stamp=() sha256_stamp=()
if [[ -n ${KORDEX_SIGN_TIMESTAMP_URL:-} ]]; then
  sha1_stamp=(-t "$KORDEX_SIGN_TIMESTAMP_URL")
  sha256_stamp=(-ts "$KORDEX_SIGN_TIMESTAMP_URL")
fi
sign_once sha1 "$exe" "$work/sha1.exe" "${sha1_stamp[@]}"
sign_once sha256 "$work/sha1.exe" "$work/signed.exe" -nest "${sha256_stamp[@]}"
chmod --reference="$exe" "$work/signed.exe"
mv "$work/signed.exe" "$exe"
echo "sign: signed $exe (SHA-1, nested SHA-256)"
