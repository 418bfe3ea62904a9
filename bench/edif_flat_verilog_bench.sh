#!/usr/bin/env bash
# `kalvor edif` on a flat gate-level Verilog netlist: one module of N
# standard-cell instances (default 300000) with named connections, written
# into a temporary directory at run time. The import is timed against `cp`
# and `wc -l` of the same file, the three run alternately for several rounds
# (best of each); cp and wc run 20 times per measurement, as one copy is
# shorter than the clock's resolution.
# Usage: bench/edif_flat_verilog_bench.sh KALVOR [INSTANCES] [ROUNDS]
# Prints the input's size, the import's user and system seconds, its peak
# resident memory in bytes and as a multiple of the input's size, and its
# CPU time (user + system) as a multiple of cp's and wc -l's.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 KALVOR [INSTANCES] [ROUNDS]" >&2; exit 2; }
kalvor="$(realpath "$1")"
count="${2:-300000}"
rounds="${3:-3}"
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (the time package)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
v="$work/flat.v"

# The netlist: each instance drives a net of its own from nets made before
# it (the input ports at first); a few blocks' prefixes, register flops with
# the synthesis names of their bits, the outputs buffered from the last nets.
awk -v n="$count" 'BEGIN {
  split("INV_X1 A|ZN;BUF_X2 A|Z;NAND2_X1 A1 A2|ZN;NOR2_X1 A1 A2|ZN;AOI21_X1 A B1 B2|ZN;" \
        "OAI22_X1 A1 A2 B1 B2|ZN;MUX2_X1 A B S|Z;XOR2_X1 A B|Z;DFFR_X1 D|Q", cells, ";")
  split("core_alu core_dec core_lsu regfile fetch_ctrl dbg_unit", blocks, " ")
  seed = 12345
  printf "// flat gate-level netlist, %d instances\n", n
  print "module chip_top (clk, rst_n, in_data, out_data);"
  print "  input clk;\n  input rst_n;\n  input [63:0] in_data;\n  output [63:0] out_data;"
  for (i = 0; i < 64; i++) net[i] = "in_data[" i "]"
  made = 64
  for (i = 1; i <= n; i++) {
    b = blocks[i % 6 + 1]
    name[i] = b "_n" i
    printf "  wire %s;\n", name[i]
  }
  for (i = 1; i <= n; i++) {
    seed = (seed * 69069 + 1) % 4294967296
    k = int(seed / 65536) % 9 + 1
    split(cells[k], parts, "|"); m = split(parts[1], pins, " ")
    line = "  " pins[1] " "
    if (pins[1] == "DFFR_X1") line = line blocks[i % 6 + 1] "_q_reg_" int(i / 32) "__" i % 32 "_ ("
    else line = line "U" i " ("
    for (p = 2; p <= m; p++) {
      seed = (seed * 69069 + 1) % 4294967296
      r = int(seed / 65536)
      src = made - (r % 2000 + 1); if (src < 0) src = r % 64
      line = line " ." pins[p] "(" net[src] "),"
    }
    if (pins[1] == "DFFR_X1") line = line " .CK(clk), .RN(rst_n), .QN(),"
    net[made++] = name[i]
    printf "%s .%s(%s) );\n", line, parts[2], name[i]
  }
  for (b = 0; b < 64; b++) printf "  BUF_X2 out_buf_%d ( .A(%s), .Z(out_data[%d]) );\n", b, net[made - 1 - b], b
  print "endmodule"
}' >"$v"
bytes=$(stat -c %s "$v")
printf '[RDMX]\nedif_instances=%d\nedif_nets=%d\n' $((count * 2)) $((count * 2)) >"$work/settings.ini"

measure() {  # OUTPUT COMMAND...: "user sys peak_kb" of the command
  local o="$1"; shift
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/err" ||
    { echo "failed: $*" >&2; tail -5 "$work/err" >&2; exit 1; }
  tail -n 1 "$work/time" >"$o"
}
repeat() { for _ in $(seq 20); do "$@"; done; }
best() {  # prints the smallest user+sys of the files given, and that run's figures
  awk '{ t = $1 + $2; if (best == "" || t < best) { best = t; line = $0 } } END { print best, line }' "$@"
}

for r in $(seq "$rounds"); do
  measure "$work/cp.$r" bash -c "$(declare -f repeat); repeat cp '$v' '$work/copy.v'"
  measure "$work/wc.$r" bash -c "$(declare -f repeat); repeat wc -l '$v'"
  rm -f "$work/flat.mac" "$work/flat.wir" "$work/k.ini"
  cp "$work/settings.ini" "$work/k.ini"
  measure "$work/import.$r" "$kalvor" edif "$v" --ini "$work/k.ini" --answer no \
    --answer 'func=;pri=;base=;pads=;' --no
  [ -s "$work/flat.mac" ] || { echo "the import wrote no macro file" >&2; tail -5 "$work/err" >&2; exit 1; }
done
for r in $(seq "$rounds"); do
  read -r iu is ik <"$work/import.$r"; read -r cu cs _ <"$work/cp.$r"; read -r wu ws _ <"$work/wc.$r"
  awk -v r="$r" -v iu="$iu" -v is="$is" -v ik="$ik" -v cu="$cu" -v cs="$cs" -v wu="$wu" -v ws="$ws" 'BEGIN {
    printf "round %d: import %.2f s user %.2f s sys %d KB | cp %.4f s user %.4f s sys | wc -l %.4f s user %.4f s sys\n",
      r, iu, is, ik, cu / 20, cs / 20, wu / 20, ws / 20 }'
done
read -r cp_cpu cp_user cp_sys _ <<<"$(best "$work"/cp.*)"
read -r wc_cpu _ <<<"$(best "$work"/wc.*)"
read -r imp_cpu imp_user imp_sys imp_kb <<<"$(best "$work"/import.*)"
awk -v n="$count" -v b="$bytes" -v lines="$(wc -l <"$v")" -v cpu="$imp_cpu" -v u="$imp_user" \
    -v s="$imp_sys" -v kb="$imp_kb" -v cp="$cp_cpu" -v cpu_u="$cp_user" -v wc="$wc_cpu" -v r="$rounds" 'BEGIN {
  cp /= 20; cpu_u /= 20; wc /= 20
  printf "flat Verilog netlist: %d instances, %d lines, %.1f MB (best of %d rounds)\n", n, lines, b / 1e6, r
  printf "import: %.2f s user %.2f s sys, peak %d bytes = %.1fx the input\n", u, s, kb * 1024, kb * 1024 / b
  printf "cp: %.4f s cpu (%.4f s user)   wc -l: %.4f s cpu\n", cp, cpu_u, wc
  printf "import user / cp cpu: %.0fx   import cpu / cp cpu: %.0fx   import cpu / wc -l cpu: %.0fx\n",
    (cp > 0 ? u / cp : 0), (cp > 0 ? cpu / cp : 0), (wc > 0 ? cpu / wc : 0)
  if (cpu_u > 0) printf "import user / cp user: %.0fx\n", u / cpu_u
}'
