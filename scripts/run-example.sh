#!/usr/bin/env bash
# Builds the kalvor program and runs the main job on the example design in
# examples/: the EDIF netlist becomes a macro file and wire list, and the
# macro file becomes structural VHDL with its fanout report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh base
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)" --target kalvor
exec bash examples/run.sh "$(pwd)/build/release/bin/kalvor"
