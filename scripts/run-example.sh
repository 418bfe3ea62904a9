#!/usr/bin/env bash
# Builds the kalvor program and runs the main job on the example design in
# examples/: the EDIF netlist becomes a macro file and wire list (with the
# base macro file's renames, port orders, inverters and fanout buffers), and
# the macro file becomes structural VHDL with its fanout report.
# The results are left in build/example/.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
scripts/install-deps.sh base
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)" --target kalvor
kalvor="$root/build/release/bin/kalvor"
out="$root/build/example"
rm -rf "$out"

echo "== EDIF to .mac"
KALVOR="$kalvor" bash examples/run.sh "$out"

echo
echo "== .mac to VHDL"
# The parameter dialog keeps its defaults; the fanout report is not opened.
(cd "$out" && "$kalvor" mac2vhd --ini "$out/kalvor.ini" --answer ok --no </dev/null)
echo
echo "== $out/counter.vhd"
cat "$out/counter.vhd"
echo "== $out/~fanout.txt"
cat "$out/~fanout.txt"
