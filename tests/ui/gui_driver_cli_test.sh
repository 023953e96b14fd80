#!/bin/bash
# gui-driver from a shell script, against the test host: reads the Next
# button's text, presses Enter, declines and then confirms the quit question.
set -euo pipefail
bin=$1 gui=$2
work=$(mktemp -d)
host=
# A host left running would keep the prefix's server, and every later test, waiting.
trap 'if [ -n "$host" ]; then kill "$host" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
DISPLAY=:$(cat "$gui/display")
export DISPLAY
/usr/lib/wine/wineserver -w

/usr/lib/wine/wine64 "$bin/ui_test_host.exe" --log "Z:${work//\//\\}\\calls.log" 133:titl &
host=$!
out=$(/usr/lib/wine/wine64 "$bin/gui-driver.exe" window "Zanvo Archiver" text 1007 key RETURN \
  key ESCAPE answer NO key ESCAPE answer YES gone | tr -d '\r')
wait "$host"

expected='Install >
Are you sure you want to quit Zanvo Archiver Setup?
Are you sure you want to quit Zanvo Archiver Setup?'
[ "$out" = "$expected" ] || { echo "driver said:"; echo "$out"; exit 1; }
for line in "next 133" "abort forced=0 confirm=1 code=titl detail=" "end"; do
  grep -qx "$line" "$work/calls.log" || { echo "missing \"$line\" in:"; cat "$work/calls.log"; exit 1; }
done
[ "$(grep -cx close "$work/calls.log")" = 2 ] || { echo "expected two close requests:"; cat "$work/calls.log"; exit 1; }
echo "gui-driver drove the host as expected"
