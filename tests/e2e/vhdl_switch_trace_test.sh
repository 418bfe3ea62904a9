#!/usr/bin/env bash
# The SIM/NOSIM switch and the trace conversion run end to end through the
# kalvor program.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# --- sim / nosim: every .vhd file of the test directory, switched and back.
mkdir vhd
printf -- 'entity e is end;\r\n--ifdef SIM\r\n--  x <= y after 1 ns;\r\n--else\r\n  x <= y;\r\n--endif\r\n' >vhd/top.vhd
cp vhd/top.vhd vhd/sub.vhd
cp vhd/top.vhd original.vhd
printf -- 'entity p is end;\r\n' >vhd/plain.vhd
"$kalvor" sim vhd/top.vhd --ini "$ini" --yes 2>sim.err || fail "sim exit status"
grep -qx '\[\] Done' sim.err || fail "sim did not end with Done"
# One question for the two files that change; none for the file without a region.
[ "$(grep -c 'Replace' sim.err)" = 1 ] && grep -q 'Replace these 2 files?' sim.err ||
  fail "sim did not ask once for both files"
printf -- 'entity e is end;\r\n--ifdef SIM\r\n  x <= y after 1 ns;\r\n--else\r\n--  x <= y;\r\n--endif\r\n' >expected.vhd
cmp -s vhd/top.vhd expected.vhd || fail "sim result"
cmp -s vhd/sub.vhd expected.vhd || fail "sim result of the second file"
# The stored design is used; declining keeps the files.
"$kalvor" nosim --ini "$ini" --answer no 2>nosim.err || true
cmp -s vhd/top.vhd expected.vhd || fail "nosim changed a declined file"
"$kalvor" nosim --ini "$ini" --answer yes 2>nosim.err || fail "nosim exit status"
cmp -s vhd/sub.vhd original.vhd || fail "nosim did not switch back"
cmp -s vhd/top.vhd original.vhd || fail "nosim did not switch back the second file"

# --- vhdout: trace table to .out and .vcd, then the viewer (a stand-in for
# gtkwave on PATH) on the VCD.
mkdir bin tr
cat >bin/gtkwave <<'VIEWER'
#!/bin/sh
echo "$PWD $*" >>"$(dirname "$0")/viewer.log"
VIEWER
chmod +x bin/gtkwave
printf 'Signals=time tb.clk tb.count\n---\n---\n\n0  '"'"'1'"'"' '"'"'0'"'"' 1241 620 -5\n' >tr/run.txt
PATH="$work/bin:$PATH" "$kalvor" vhdout tr/run.txt --ini "$ini" --answer tr/run.txt \
  --answer 'supply=3.3;counts/volt=1241;limit=n;' 2>vhdout.err || fail "vhdout exit status"
printf 'time clk count\r\n0\t3.3\t0.0\t1.000000\t0.499597\t-0.004029\r\n' >expected.out
cmp -s tr/run.out expected.out || fail "vhdout result"
grep -qx "$work/tr $work/tr/run.vcd" bin/viewer.log || fail "viewer not started on the VCD"
grep -qx '1!' tr/run.vcd && grep -qx '0"' tr/run.vcd || fail "VCD values"
# Without a viewer the message says where the files are.
if PATH="$work/tr" "$kalvor" vhdout --ini "$ini" --answer tr/run.txt --answer ok \
  2>noviewer.err; then
  fail "a missing viewer reported as success"
fi
grep -q "^$work/tr/run.vcd" noviewer.err || fail "the message does not name the VCD"
grep -q '^vhdout=supply=3.3;counts/volt=1241;limit=n;$' "$ini" || fail "vhdout parameters not kept"
# A divisor of 0 is refused before anything is written.
cp tr/run.out before.out
if PATH="$work/bin:$PATH" "$kalvor" vhdout --ini "$ini" --answer tr/run.txt \
  --answer 'supply=3.3;counts/volt=0;limit=y;' 2>zero.err; then
  fail "counts/volt 0 accepted"
fi
cmp -s tr/run.out before.out || fail "counts/volt 0 changed the result file"
no_scratch tr "counts/volt 0"

# Lines of any length are read a piece at a time: a table whose one row is
# 40 MB (8 million counts) and a 50 MB dump written on one line convert in
# an address space that either would overflow if a line were held whole.
mkdir big
repeat() { awk -v n="$1" -v t="$2" 'BEGIN { for (i = 0; i < n; i++) printf "%s", t }'; }
{ printf 'Signals=time tb.a tb.b\n\n\n\n0'; repeat 8000000 ' 1241'; echo; } >big/row.txt
{ printf '$timescale 1 ns $end $var reg 1 ! a $end $enddefinitions $end'
  seq 0 3999999 | awk '{ printf " #%d %d!", $1, $1 % 2 }'; } >big/dump.vcd
# A vector's declared width costs nothing beyond its value: three of 2^31 - 1 bits.
printf '$timescale 1 ns $end\n$var reg 2147483647 ! a $end\n$var reg 2147483647 " b $end\n' >big/wide.vcd
printf '$var reg 2147483647 # c $end\n$enddefinitions $end\n#0\nb101 !\nbx "\nb1 #\n' >>big/wide.vcd
for input in row.txt dump.vcd wide.vcd; do
  (ulimit -v 200000 && PATH="$work/bin:$PATH" exec "$kalvor" vhdout big/$input --ini "$ini" \
    --answer big/$input --answer "supply=3.3;counts/volt=1241;limit=n;") 2>big.err || fail "$input: $(tail -n 2 big.err)"
done
{ printf 'time a b\r\n0'; repeat 8000000 '\t1.000000'; printf '\r\n'; } |
  cmp -s - big/row.out || fail "the 40 MB row"
[ "$(wc -l <big/dump.out)" = 4000001 ] && [ "$(tail -n 1 big/dump.out)" = "$(printf '3999999\t3.3\r')" ] ||
  fail "the dump on one line"
same_bytes big/wide.out 'time a b c\r\n0\t0.004029\t0.000000\t0.000806\r\n'
no_scratch big "long lines"

# A line longer than the memory left stops the command with a message and a
# failure, the file stays as it was and no scratch file is left.
mkdir huge
{ printf -- '--ifdef SIM\n--'; head -c 150000000 /dev/zero | tr '\0' 'x'; printf '\n--endif\n'; } >huge/top.vhd
sum=$(cksum <huge/top.vhd)
if (ulimit -v 200000 && exec "$kalvor" sim huge/top.vhd --ini "$ini" --yes) 2>huge.err; then
  fail "a line larger than memory passed as switched"
fi
grep -q 'Out of memory' huge.err || fail "no out-of-memory message: $(tail -n 2 huge.err)"
[ "$(cksum <huge/top.vhd)" = "$sum" ] || fail "the file was changed"
no_scratch huge "out of memory"
rm -rf huge

echo "vhdl switch and trace e2e: all passed"
