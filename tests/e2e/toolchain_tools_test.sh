#!/usr/bin/env bash
# Prune, gen spice, GateSim and LVS end to end through the kalvor program and
# the stand-ins for NetTran, GateSim and LVS.
set -euo pipefail
kalvor=$1 src=$2 doubles=$3
export PATH="$doubles:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/design" "$work/ledit/extract"
cd "$work/design"
fail() { echo "FAIL: $*" >&2; exit 1; }
expect_line() { grep -qxF -- "$2" <(tr -d '\r' < "$1") || fail "$1 lacks line: $2"; }
ini=$work/k.ini
printf '[RDMX]\nleditdir=%s\n' "$work/ledit" > "$ini"

printf '%s\r\n' '$ comment' '.macro INV A Y' '<M1 NMOS A Y' '.eom' \
  '.macro top a b' '<U1 INV a b' '.eom' > abc.mac
printf '%s\r\n' '<<< COMPONENT LIST >>>' 'top top top' > abc.wir
touch "$work/scmosspc.mac"

# A translator that fails and writes nothing: the status is reported and
# kalvor fails.
mkdir "$work/failing"
printf '#!/bin/sh\nexit 3\n' > "$work/failing/nettran.exe"
chmod +x "$work/failing/nettran.exe"
if PATH="$work/failing:$PATH" "$kalvor" prune abc.mac --ini "$ini" 2> fail.log; then
  fail "prune with a failing translator exited 0"
fi
grep -qF 'nettran.exe ended with exit status 3.' fail.log || fail "no exit status reported"
[ ! -e abc.tmc ] || fail "the failing translator wrote abc.tmc"

# prune: the .tmc is written; after a file selection nothing warns.
"$kalvor" prune abc.mac --ini "$ini" 2> prune.log || fail "prune exited $?"
! grep -q '^\[' prune.log || { cat prune.log >&2; fail "prune warned"; }
expect_line abc.tmc '.macro INV A Y'
! grep -qF '$ comment' abc.tmc || fail "the stand-in did not prune"

# gen spice: the include goes into the macro file, the deck is written. No
# post-processing question: the option line holds neither " TPR" nor ".net".
"$kalvor" spice --ini "$ini" --answer "$work/scmosspc.mac" 2> spice.log \
  || fail "spice exited $?"
expect_line abc.mac "<$work/scmosspc.mac>"
expect_line abc.spc '.SUBCKT top a b'
! grep -qF 'Remove root module name' spice.log || fail "post-processing offered"

# gen spice without the .tmc and .wir: both warnings, the launch still runs
# and the stand-in fails on the missing input.
mkdir ../other && cp abc.mac ../other/xyz.mac && cd ../other
"$kalvor" spice xyz.mac --ini "$ini" --answer ok 2> spice2.log || true
grep -qF '[xyz.tmc] .tmc file not found, run Prune first.' spice2.log || fail "no .tmc warning"
grep -qF "[$work/other/xyz.wir] .wir file not found, export nettran from sedit" spice2.log \
  || fail "no .wir warning"
grep -qF '[KALVOR] You may need to prune before spice gen to update .tmc file' spice2.log \
  || fail "no reminder"
[ ! -e xyz.spc ] || fail "deck written without input"
cd ../design

# GateSim on a command file naming the netlist and the results file, right
# after choosing the design again: the reminder, then the run.
printf '%s\r\n' 'NE abc.NET' 'PA abc.VEC' 'RE abc.OUT' > abc.sim
printf 'W a\r\n' > abc.net
"$kalvor" gatesim abc.mac --ini "$ini" 2> gatesim.log || fail "gatesim exited $?"
grep -qF '[KALVOR] You may need to run NetTran before GateSim to update .net file' \
  gatesim.log || fail "no reminder"
expect_line abc.OUT '     500  1 0 1'
[ "$(grep -c '^ *[0-9]' abc.OUT)" -eq 21 ] || fail "time lines missing in abc.OUT"

# LVS: the NetTran deck against the layout chosen in the extract directory.
cp abc.spc "$work/ledit/extract/abc.spc"
"$kalvor" lvs --ini "$ini" --answer "$work/ledit/extract/abc.spc" 2> lvs.log \
  || fail "lvs exited $?"
grep -qF "[Open] *.spc in $work/ledit/extract" lvs.log || fail "wrong extract directory"
! grep -qF 'LVS.EXE must be' lvs.log || fail "lvs.exe not found on PATH"
expect_line abc.lvs "Schematic: abc.spc (5 lines)"
expect_line abc.lvs 'Circuits are equal.'

# No layout chosen: nothing to run.
rm abc.lvs
if "$kalvor" lvs --ini "$ini" --answer cancel 2> lvs2.log; then fail "lvs ran without layout"; fi
grep -qF '[KALVOR] Please select a valid test file and option string.' lvs2.log \
  || fail "no complaint about the empty option line"
[ ! -e abc.lvs ] || fail "report written"
echo ok
