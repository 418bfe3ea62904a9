#!/usr/bin/env bash
# The example design imports with every effect of its base macro file.
set -u
kalvor="$1"
src="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
KALVOR="$kalvor" bash "$src/examples/run.sh" "$work" >"$work/log.txt" 2>&1 || { cat "$work/log.txt"; exit 1; }
mac="$work/counter.mac"
fail=0
expect() {  # description, pattern
  grep -q -- "$2" "$mac" || { echo "FAIL: $1 ($2)"; fail=1; }
}
expect "base file included" '^<counter_base.mac>'
expect "renamed and reordered multiplexer" '^<id00009 MUX2 load '
expect "AND gate replaced, its B input inverted" '^<id00010 ANDN2 q0 EXTINV_1<O '
expect "inverter on the driver's net" '^<EXTINV_1 EXTINV q1 EXTINV_1<O'
expect "fanout buffer" '^<fb1 BUF4 id00048_fanbust id00048'
expect "buffered flip-flop output" '^<id00020 DFF clk id00055 q0_fanbust'
if grep -qi '^\.macro id0000' "$mac"; then echo "FAIL: a bottom cell was written"; fail=1; fi
[ "$fail" -eq 0 ] || { cat "$mac"; exit 1; }
echo "example imported"
