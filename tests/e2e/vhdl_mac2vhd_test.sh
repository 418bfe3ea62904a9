#!/usr/bin/env bash
# kalvor mac2vhd end to end: the full adder byte for byte with its fanout
# report, tables too small that grow in the run, a cancelled dialog, a missing
# macro file.
set -euo pipefail
kalvor="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }

printf '<cells.mac>\r\n.macro FA A B CI S CO\r\n<U1 XOR2 A B N1\r\n<U2 XOR2 N1 CI S\r\n.eom\r\n' > fa.mac
printf '%s\r\n' "library IEEE;" "-- <cells.mac>" "" "use IEEE.STD_LOGIC_1164.all;" "" \
  "entity fa is port (" "  a : inout std_logic;" "  b : inout std_logic;" \
  "  ci : inout std_logic;" "  s : inout std_logic;" "  co : inout std_logic );" \
  "end fa;" "architecture fa_1 of fa is" "  signal vdd: std_logic;" \
  "  signal gnd: std_logic;" "  signal n1 : std_logic;" "begin" "  vdd<='1';" \
  "  gnd<='0';" "  Iu1 : xor2 port map (a,b,n1);" "  Iu2 : xor2 port map (n1,ci,s);" \
  "end fa_1;" > expected.vhd
printf '%s\r\n' "fanout	net(node)" \
  "------	-------------------------------------------------------" \
  "1	A" "1	B" "1	CI" "1	S" "1	N1" "0	CO" > expected.txt

# The dialog is confirmed as it stands, the report is not opened.
"$kalvor" mac2vhd fa.mac --ini fa.ini --answer ok --answer no </dev/null 2>err.txt ||
  fail "mac2vhd ended with $?"
cmp fa.vhd expected.vhd || fail "fa.vhd differs"
cmp '~fanout.txt' expected.txt || fail "~fanout.txt differs"
grep -q 'xor2' err.txt && fail "a line per node connection without --verbose"
grep -q '^\[NETS=\] 6 nets counted' err.txt || fail "no one-line NETS= summary"
"$kalvor" mac2vhd fa.mac --ini fa.ini --verbose --answer ok --answer yes --answer no </dev/null 2>err.txt ||
  fail "mac2vhd --verbose ended with $?"
grep -q '^n1  (xor2)$' err.txt || fail "no line per node connection with --verbose"
grep -q "occurring on node 'A'" err.txt || fail "no closing message"
grep -q '^mac2vhd=m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;' fa.ini || fail "option string not stored"

# A second run asks before overwriting; "no" keeps the file.
echo keep > fa.vhd
"$kalvor" mac2vhd fa.mac --ini fa.ini --answer ok --answer no </dev/null 2>err.txt ||
  fail "declined overwrite ended with $?"
[ "$(cat fa.vhd)" = keep ] || fail "fa.vhd overwritten after no"
grep -q 'Overwrite above file?' err.txt || fail "no overwrite question"
rm fa.vhd '~fanout.txt'

# Tables of three counters: they grow in the run (no question, no end of
# the program), the report lists every net, and the sizes reached are
# stored for the next start.
printf '[RDMX]\nNETS=5000\nkNETS=3\n' > small.ini
"$kalvor" mac2vhd fa.mac --ini small.ini --answer ok --answer no </dev/null 2>err.txt ||
  fail "growing tables ended with $?"
grep -q 'Fanout node table size exceeded.' err.txt && fail "a table-size question or message"
grep -q 'tables grew to NETS=5000, kNETS=12' err.txt || fail "growth not reported"
grep -q '^kNETS=12' small.ini || fail "kNETS reached not stored"
cmp '~fanout.txt' expected.txt || fail "~fanout.txt differs after growing tables"
cmp fa.vhd expected.vhd || fail "fa.vhd differs after growing tables"
rm fa.vhd '~fanout.txt'

# Cancelling the dialog writes nothing and is no failure.
"$kalvor" mac2vhd fa.mac --ini fa.ini --answer cancel </dev/null 2>err.txt ||
  fail "cancel ended with $?"
[ ! -e fa.vhd ] || fail "fa.vhd written after cancel"

# A design without its macro file is a reported failure.
if "$kalvor" mac2vhd nothere.mac --ini fa.ini --answer ok </dev/null 2>err.txt; then
  fail "missing macro file reported as success"
fi
grep -q 'Unable to open above file.' err.txt || fail "no message for the missing file"
echo "mac2vhd e2e: ok"
