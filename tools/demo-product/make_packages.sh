#!/bin/bash
# Packs the demo product into the three downloads the installer fetches, into
# OUT_DIR, the package folder of the local vendor service, with Info-ZIP zip
# (archives with folder entries, like the vendor's).
# Usage: make_packages.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

mkdir -p "$stage/main/help" "$stage/qt/imageformats"
cp "$bin/ZanvoManager.exe" "$stage/main/ZanvoManager.exe"
cp "$bin/winsetup32.exe" "$stage/main/WinSetup32.exe"
cp "$bin/winsetup64.exe" "$stage/main/WinSetup64.exe"
cp "$bin/ZanvoShellext32.dll" "$stage/main/ZanvoShellext32.dll"
cp "$bin/ZanvoShellext64.dll" "$stage/main/ZanvoShellext64.dll"
printf 'Zanvo Archiver demo product.\r\n' > "$stage/main/help/readme.txt"
# Stand-ins for the runtime libraries: nothing loads them.
for name in QtCore4.dll QtGui4.dll imageformats/qjpeg4.dll; do
  printf 'stand-in for %s\r\n' "$name" > "$stage/qt/$name"
done

mkdir -p "$out"
rm -f "$out/main_zanvo.zip" "$out/qt484.zip"
(cd "$stage/main" && zip -q -r -X "$out/main_zanvo.zip" .)
(cd "$stage/qt" && zip -q -r -X "$out/qt484.zip" .)
cp "$bin/vcredist.exe" "$out/vcredist_2008_sp1_x86.exe"
