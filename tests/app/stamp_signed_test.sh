#!/bin/bash
# A signed installer stamped with an identity block keeps a signature whose
# digest still matches, and reads the stamped identity back.
# Arguments: the source folder and the folder of the 64-bit programs.
set -euo pipefail
source_dir=$1
bin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 3650 \
  -subj "/CN=Kelvarion Test Signing" 2>/dev/null
osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -in "$bin/app_tests.exe" -out "$work/signed.exe" >/dev/null
"$source_dir/scripts/wine" "$bin/stamp.exe" --build-id 11 --channel-id 5 --build-name Signed "Z:$work/signed.exe"

# The chain of a self-signed test certificate never verifies; the digests must match.
digests=$( (osslsigncode verify "$work/signed.exe" 2>&1 || true) | sed -n 's/^\(Current\|Calculated\) message digest *: *//p')
if [ "$(echo "$digests" | sort -u | wc -l)" != 1 ] || [ "$(echo "$digests" | wc -l)" != 2 ]; then
  echo "FAIL: the signature no longer covers the stamped file:"; echo "$digests"; exit 1
fi
ZANVO_TEST_EXPECT_BUILD_ID=11 "$source_dir/scripts/wine" "$work/signed.exe" --gtest_filter='HiddenDataChild.*' \
  | tee "$work/out.txt" | tail -n 3
grep -q "PASSED  \] 1 test" "$work/out.txt" || { echo "FAIL: the signed copy did not read its identity"; exit 1; }
echo "1 passed, 0 failed"
