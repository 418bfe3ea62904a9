#!/usr/bin/env bash
# ".mac to .net" and ".mac to .tpr" end to end through the kalvor program and
# the NetTran stand-in: include insertion, prescan with block route macros,
# launch, and the post-processing of the netlist.
set -euo pipefail
kalvor=$1 src=$2 doubles=$3
export PATH="$doubles:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
expect_line() { grep -qxF -- "$2" <(tr -d '\r' < "$1") || fail "$1 lacks line: $2"; }
expect_no() { ! grep -qF -- "$2" "$1" || fail "$1 still holds: $2"; }

make_design() {
  printf '%s\r\n' '.macro INV A Y' '<M1 NMOS A Y' '.eom' \
    '.macro BLK A Vdd Gnd B' '+ C' '$blocklevel 1' '<U1 INV A B' '.eom' \
    '.macro top a b vdd' '+ y Gnd' '<X1 BLK a b y' '.eom' > abc.mac
  printf '%s\r\n' '$ Written by Kalvor EDIF to .MAC converter.' '' 'WIRE LIST' \
    '<<< COMPONENT LIST >>>' 'top top top' > abc.wir
}
touch scmossim.mac scmostpr.mac
ini=$work/k.ini

# .mac to .net, declining block routes; NetTran's console output to disk.
make_design
"$kalvor" net abc.mac --ini "$ini" --nettran-to-disk=1 \
  --answer "$work/scmossim.mac" --answer no --answer yes 2> net.log \
  || fail "kalvor net exited $?"
grep -qF '[LEVEL = 1 Blocks Detected:]' net.log || fail "no block question"
grep -qF '[Kalvor] Click here AFTER NetTran has run.' net.log || fail "no reminder"
grep -qF '[TPR Post Process] Done.' net.log || fail "no post-processing"
expect_line abc.mac "<$work/scmossim.mac>"
expect_line abc.mac '$blocklevel 1'
expect_line abc.bat "nettran.exe -m $work/abc.mac $work/abc.wir abc.net > abc.out"
grep -qF 'nettran stand-in: net' abc.out || fail "console output not in abc.out"
expect_line abc.net 'W a U1<A'
expect_line abc.net 'W y U3<A'
expect_line abc.net 'G U1 INV a'
expect_no abc.net 'TOP<'
expect_no abc.net '*NC*'
expect_no abc.net 'NCMACRO'
[ -z "$(find . -maxdepth 1 -name '~*~')" ] || fail "scratch file left"

# .mac to .tpr with block routes and a pad file.
make_design
"$kalvor" tpr abc.mac --ini "$ini" --answer "$work/scmostpr.mac" \
  --answer pads.txt --answer yes --answer yes 2> tpr.log || fail "kalvor tpr exited $?"
grep -qF '[Done.  Block macros and above were:]  BLK top' tpr.log || fail "no summary"
expect_line abc.mac "<$work/scmostpr.mac>"
expect_line abc.mac '<pads.txt>'
expect_line abc.mac '$removed INV'
expect_line abc.mac '"C BLK A B'
expect_line abc.mac '+ C;"'
expect_line abc.mac '"U" @ " " A B'
expect_line abc.mac '.eom BLK'
expect_line abc.mac '<X1 BLK a b y'
grep -q 'pad_macs=pads.txt' "$ini" || fail "pad file not remembered"
grep -q "tpr.mac=$work/scmostpr.mac" "$ini" || fail "TPR macro file not remembered"
expect_line abc.tpr 'NET a U1<A PAD1'
expect_line abc.tpr 'NET y U3<A PAD3'
# Port 4 does not exist: left as NetTran wrote it.
expect_line abc.tpr 'CELL U2 NAND2 a TOP_P4'
expect_no abc.tpr '*NC*'

# Declining the post-processing leaves NetTran's netlist as written; the
# include is already there, so nothing is asked for it.
"$kalvor" tpr --ini "$ini" --answer no --answer no 2> tpr2.log || fail "kalvor tpr exited $?"
! grep -qF 'Specify a macro file' tpr2.log || fail "include asked again"
expect_line abc.tpr 'NET TOP_P1 TOP<U1<A TOP<PADS<PAD1'
echo "ok"
