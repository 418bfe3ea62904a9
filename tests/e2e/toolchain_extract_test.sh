#!/usr/bin/env bash
# kalvor extract: sampling the GateSim output file at time points.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# A viewer on PATH that notes what it was asked to open.
mkdir bin
printf '#!/bin/sh\necho "$@" > "%s/viewed"\n' "$work" > bin/notepad.exe
chmod +x bin/notepad.exe
export PATH="$work/bin:$PATH"

printf ' time  A B Y\r\n50 1 0 1\r\n150 0 0 1\r\n420 1 1 0\r\n' > abc.OUT

# The latest timed line before each time point, into the default abc.DOC.
"$kalvor" extract abc.OUT --ini "$ini" --answer '101=100;102=100;103=y' --answer no 2> log \
  || fail "extract exit $?"
shows log "[Extract from GateSim .OUT]"
same_bytes abc.DOC '     100 50 1 0 1\r\n     400 150 0 0 1\r\n'
[ ! -e viewed ] || fail "viewer started after no"

# The lines that reach the time points, into a file of the user's choice,
# then viewed.
"$kalvor" extract --ini "$ini" --answer '101=100;102=100;104=table.txt' --answer yes 2> log \
  || fail "extract exit $?"
same_bytes table.txt '150 0 0 1\r\n420 1 1 0\r\n'
grep -qx 'table.txt' viewed || fail "viewer not started on table.txt"

# No output file of the test ID: reported, failure status.
rm abc.OUT
if "$kalvor" extract --ini "$ini" 2> log; then fail "missing .OUT passed"; fi
shows log "[File not found:] abc.OUT"
echo "extract ok"
