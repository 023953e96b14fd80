#!/bin/bash
# Packs the demo product into the three downloads the installer fetches, at the
# vendor service's download paths below OUT_ROOT, with Info-ZIP zip (archives
# with folder entries, like the vendor's).
# Usage: make_packages.sh BIN_DIR OUT_ROOT
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

mkdir -p "$out/smart-download/802484" "$out/smart-download/801874" "$out/smart-download/803784"
rm -f "$out/smart-download/803784/main_zanvo.zip" "$out/smart-download/802484/qt484.zip"
(cd "$stage/main" && zip -q -r -X "$out/smart-download/803784/main_zanvo.zip" .)
(cd "$stage/qt" && zip -q -r -X "$out/smart-download/802484/qt484.zip" .)
cp "$bin/vcredist.exe" "$out/smart-download/801874/vcredist_2008_sp1_x86.exe"
