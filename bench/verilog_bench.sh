#!/usr/bin/env bash
# The Verilog import against the EDIF import of the same design: Yosys
# synthesises an N-bit multiplier (flattened, generic gates, as the
# connectivity test does) for each N given (default 32 64) and writes it as
# EDIF and as a structural Verilog netlist; each is imported by one process
# (edif_import_bench import), best CPU time of three runs.
# Usage: bench/verilog_bench.sh [BUILD_DIR] [N...]   (default build/release)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(32 64)
bench="$build/bench/edif_import_bench"
if [ ! -x "$bench" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target edif_import_bench >/dev/null
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p"; }
best_cpu() {  # file
  local best="" c
  for _ in 1 2 3; do
    rm -f "${1%.*}.mac" "${1%.*}.wir"
    c="$("$bench" import "$1" | field cpu_s)"
    if [ -z "$best" ] || awk -v a="$c" -v b="$best" 'BEGIN { exit !(a < b) }'; then best="$c"; fi
  done
  echo "$best"
}
for n in "${sizes[@]}"; do
  d="$work/mul$n"
  mkdir -p "$d/src" "$d/edf" "$d/v"
  printf 'module mul(input [%d:0] a, input [%d:0] b, output [%d:0] p);\n  assign p = a * b;\nendmodule\n' \
    $((n - 1)) $((n - 1)) $((2 * n - 1)) >"$d/src/mul.v"
  sed -e "s|DESIGN|$d/src/mul.v|; s|TOP|mul|; s|FLATTEN|-flatten|" "$root/tests/tools/verilog/synth.ys.in" >"$d/synth.ys"
  yosys -q -p "script $d/synth.ys; write_edif $d/edf/mul.edf; write_verilog -noattr -noexpr $d/v/mul.v" >/dev/null
  e="$(best_cpu "$d/edf/mul.edf")"
  v="$(best_cpu "$d/v/mul.v")"
  awk -v n="$n" -v eb="$(stat -c %s "$d/edf/mul.edf")" -v vb="$(stat -c %s "$d/v/mul.v")" \
      -v inst="$(grep -c '^<' "$d/v/mul.mac")" -v e="$e" -v v="$v" 'BEGIN {
    printf "mul%-4d %6d instances  EDIF %6.2f MB %7.3f s cpu   Verilog %6.2f MB %7.3f s cpu   Verilog/EDIF %.2fx\n",
      n, inst, eb / 1e6, e, vb / 1e6, v, (e > 0 ? v / e : 0) }'
done
