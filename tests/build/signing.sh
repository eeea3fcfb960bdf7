#!/usr/bin/env bash
# scripts/sign.sh with a throwaway certificate: the signed installer verifies
# with a SHA-1 signature and a nested SHA-256 one, still installs under Wine
# (the payload check reads the resources, not the signature appended to the
# file), and one changed byte makes the verification fail. A wrong password
# or an unreachable timestamp server fails the signing and leaves the exe as
# it was.
source "$(dirname "$0")/../e2e/lib.sh"
folder=$KORDEX_BUILD/tests/signing
rm -rf "$folder"
mkdir -p "$folder/build"
cd "$folder"

export SIGNER_PASSWORD='a pass: phrase, with "quotes"'
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=KORdex test signer' \
  -keyout key.pem -out cert.pem 2>/dev/null || e2e_fail "openssl could not make a certificate"
openssl pkcs12 -export -inkey key.pem -in cert.pem -out signer.pfx -passout env:SIGNER_PASSWORD ||
  e2e_fail "openssl could not make the PKCS#12 file"
# Without an EXE the script signs the one in the build folder. The checks
# read the shipped 32-bit installer, whichever build the sandbox runs.
unsigned=$folder/unsigned.exe
cp "$KORDEX_SHIPPED_BUILD/KORdexSetup.exe" "$unsigned"
cp "$unsigned" build/KORdexSetup.exe
exe=$folder/build/KORdexSetup.exe
sign() {
  KORDEX_BUILD=$folder/build "$KORDEX_ROOT/scripts/sign.sh" signer.pfx
}

if KORDEX_SIGN_PASSWORD=wrong sign >failed.log 2>&1; then e2e_fail "signed with a wrong password"; fi
cmp -s "$unsigned" "$exe" || e2e_fail "a failed signing changed the exe"
if KORDEX_SIGN_PASSWORD=$SIGNER_PASSWORD KORDEX_SIGN_TIMESTAMP_URL=http://127.0.0.1:9/ sign >failed.log 2>&1; then
  e2e_fail "signed without reaching the timestamp server"
fi
grep -q 'http://127.0.0.1:9/' failed.log || e2e_fail "the timestamp server was not asked"
cmp -s "$unsigned" "$exe" || e2e_fail "a failed signing changed the exe"

KORDEX_SIGN_PASSWORD=$SIGNER_PASSWORD sign || e2e_fail "signing failed"
osslsigncode verify -CAfile cert.pem -in "$exe" >verify.log 2>&1 || { cat verify.log; e2e_fail "the signed exe does not verify"; }
digests=$(sed -n 's/^Message digest algorithm *: *//p' verify.log | uniq | tr '\n' ' ')
[[ $digests == "SHA1 SHA256 " ]] || e2e_fail "signatures with [$digests], expected SHA1 with a nested SHA256"
grep -q '^Number of verified signatures: 2$' verify.log || e2e_fail "not both signatures verified"

# One byte changed in the code section.
cp "$exe" tampered.exe
printf '\x5a' | dd of=tampered.exe bs=1 seek=$((0x1100)) conv=notrunc status=none
cmp -s "$exe" tampered.exe && e2e_fail "the byte was not changed"
if osslsigncode verify -CAfile cert.pem -in tampered.exe >tampered.log 2>&1; then
  e2e_fail "a changed exe still verifies"
fi
grep -q MISMATCH tampered.log || { cat tampered.log; e2e_fail "the changed exe fails for another reason than its digest"; }

# Where the sandbox runs the x86-64 build, that one is signed alike to install.
if [[ $KORDEX_ARCH != i686 ]]; then
  cp "$KORDEX_BUILD/KORdexSetup.exe" "$exe"
  KORDEX_SIGN_PASSWORD=$SIGNER_PASSWORD sign || e2e_fail "signing the $KORDEX_ARCH build failed"
  osslsigncode verify -CAfile cert.pem -in "$exe" >verify.log 2>&1 || { cat verify.log; e2e_fail "the signed $KORDEX_ARCH build does not verify"; }
fi
prefix=$(e2e_prefix)
{
  echo 'start K:\tests\signing\build\KORdexSetup.exe'
  echo 'window ${CAPTION}'
  echo 'click #1003'
  e2e_install_log 'C:\Kordex'
  echo 'close'
  echo 'wait-exit 0'
} | e2e_drive "$prefix"
e2e_same_as_payload "$(e2e_c "$prefix" 'C:\Kordex')" kordex.exe datacore.kdx libeay32.dll ssleay32.dll olvass_el.txt
