#!/usr/bin/env bash
# VCD check of the trace conversion: for a table of trace tables (logic
# literals of every kind, counts with and without the limit, times with
# decimals, repeated times, short and long rows, deep and flat names, more
# signals than one-character VCD codes), GTKWave's vcd2fst must convert
# every VCD the conversion writes, and a reader of our own must find in the
# VCD, at the time of every row, the values the .out holds (for a time
# given twice, the last row of that time).
set -euo pipefail
root="$(cd "${1:-$(dirname "$0")/../..}" && pwd)"

. "$root/scripts/suite-env.sh"
suite_kalvor vhdl_vcd
suite_needs vhdl_vcd vcd2fst vhdl

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ini="$work/kalvor.ini"
mkdir "$work/bin"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/viewer"
chmod +x "$work/bin/viewer"
printf '[RDMX]\r\nWAVEVIEWER=%s\r\n' "$work/bin/viewer" >"$ini"

q="'"
# name|options|rows (the heading and three lines are added)
cases=(
  "basic|supply=3.3;counts/volt=1241;limit=y;|Signals=time tb.clk tb.count tb.q
0 ${q}0${q} 0 ${q}1${q}
10 ${q}1${q} 620 ${q}0${q}
20 ${q}0${q} 5000 ${q}1${q}
30 ${q}1${q} -5 ${q}1${q}"
  "literals|supply=5.0;counts/volt=1000;limit=n;|Signals=time top.a top.b top.c
0 ${q}U${q} ${q}X${q} ${q}Z${q}
0.5 ${q}H${q} ${q}L${q} ${q}W${q}
1.25 ${q}-${q} ${q}0${q} ${q}1${q}
2.125 ${q}0${q} ${q}z${q} ${q}1${q}"
  "counts|supply=3.3;counts/volt=-819;limit=n;|Signals=time t.v1 t.v2
0 80000000 -819
7 800000001 1638
7 100 100
9 -0 -4095"
  "hier|supply=1.8;counts/volt=4096;limit=y;|Signals=time top.u1.u2.a top.b other.c flat
0 ${q}1${q} 100 ${q}0${q} 4096
1 ${q}0${q}
2 ${q}1${q} 8192 ${q}1${q} 2048 99 ${q}1${q}
3 ${q}1${q} 1 ${q}1${q} 0"
)
# A wide table: 200 signals, 40 rows.
wide="Signals=time"
for s in $(seq 1 200); do wide+=" w.s$s"; done
for t in $(seq 0 39); do
  row="$((t * 5))"
  for s in $(seq 1 200); do
    if [ $((s % 2)) = 0 ]; then row+=" ${q}$(((s + t) % 2))${q}"; else row+=" $((s * t % 4000))"; fi
  done
  wide+=$'\n'"$row"
done
cases+=("wide|supply=3.3;counts/volt=1241;limit=y;|$wide")

cat >"$work/check.awk" <<'AWK'
# Reads a VCD (first file), the .out (second) and the trace table (third);
# prints every value of the .out that the VCD does not hold at its time.
function ns(text,   n, unit) {
  n = text + 0; unit = text; sub(/^[0-9]+/, "", unit)
  return n * (unit == "ns" ? 1 : unit == "ps" ? 1e-3 : unit == "fs" ? 1e-6 : -1)
}
function abs(x) { return x < 0 ? -x : x }
FILENAME == ARGV[1] {
  if ($1 == "$timescale") { scale = ns($2 == "$end" ? "" : $2); next }
  if ($1 == "$scope") { depth++; scope[depth] = $3; next }
  if ($1 == "$upscope") { depth--; next }
  if ($1 == "$var") {
    name = ""
    for (d = 2; d <= depth; d++) name = name scope[d] "."
    name = depth == 1 && scope[1] == "trace" ? $5 : name $5
    code[name] = $4; kind[$4] = $2; next
  }
  if ($1 ~ /^#/) { now = substr($1, 2) * scale; next }
  if ($1 ~ /^\$/ || NF == 0) next
  if ($1 ~ /^r/) { v = substr($1, 2); c = $2 } else { v = substr($1, 1, 1); c = substr($1, 2) }
  n_ev++; ev_t[n_ev] = now; ev_c[n_ev] = c; ev_v[n_ev] = v
  next
}
FILENAME == ARGV[2] {
  sub(/\r$/, "")
  if (FNR == 1) { for (k = 2; k <= NF; k++) col[k] = $k; ncol = NF; next }
  rows++; out_line[rows] = $0
  next
}
FILENAME == ARGV[3] {
  if (FNR <= 4) next
  lit_row++
  n = split($0, f, /  */); j = 0
  for (k = 1; k <= n; k++) if (f[k] != "") { j++; lit[lit_row, j] = f[k] }
  next
}
END {
  e = 1
  for (r = 1; r <= rows; r++) {
    n = split(out_line[r], f, "\t")
    t = f[1] + 0
    if (r < rows) { split(out_line[r + 1], g, "\t"); if (g[1] + 0 == t) continue }
    while (e <= n_ev && ev_t[e] <= t + 1e-9) { val[ev_c[e]] = ev_v[e]; e++ }
    for (k = 2; k <= n && k <= ncol; k++) {
      c = code[col[k]]
      if (c == "") { print "no signal " col[k]; bad++; continue }
      v = val[c]
      if (kind[c] == "real") {
        if (abs(v - f[k]) > 1e-6 + 1e-6 * abs(f[k])) { print "t=" t " " col[k] ": vcd " v ", out " f[k]; bad++ }
      } else {
        literal = lit[r, k]
        ok = (f[k] + 0 == 0) ? v == "0" : (v == "1" || v == "x" || v == "z" || (v == "0" && literal ~ /^'[Ll]'/))
        if (!ok) { print "t=" t " " col[k] ": vcd " v ", out " f[k]; bad++ }
      }
      checked++
    }
  }
  print checked " values compared"
  exit bad > 0
}
AWK

failed=0
for c in "${cases[@]}"; do
  name="${c%%|*}"
  rest="${c#*|}"
  options="${rest%%|*}"
  table="${rest#*|}"
  { printf '%s\n' "${table%%$'\n'*}"; printf -- '---\nunit ns\n\n'; printf '%s\n' "${table#*$'\n'}"; } \
    >"$work/$name.txt"
  if ! "$kalvor" vhdout "$work/$name.txt" --ini "$ini" --answer "$work/$name.txt" \
    --answer "$options" 2>"$work/$name.err"; then
    echo "vhdl_vcd: $name: conversion failed: $(cat "$work/$name.err")"
    failed=$((failed + 1)); continue
  fi
  if ! vcd2fst "$work/$name.vcd" "$work/$name.fst" >"$work/$name.fst.log" 2>&1 ||
    grep -qi 'error\|warning' "$work/$name.fst.log"; then
    echo "vhdl_vcd: $name: vcd2fst: $(cat "$work/$name.fst.log")"
    failed=$((failed + 1)); continue
  fi
  if ! result="$(awk -f "$work/check.awk" "$work/$name.vcd" "$work/$name.out" "$work/$name.txt")"; then
    echo "vhdl_vcd: $name: values differ:"; echo "$result" | head -20
    failed=$((failed + 1)); continue
  fi
  echo "vhdl_vcd: $name: vcd2fst ok, ${result}"
done
[ "$failed" = 0 ] || { echo "vhdl_vcd: $failed of ${#cases[@]} traces failed"; exit 1; }
echo "vhdl_vcd: all ${#cases[@]} traces passed"
