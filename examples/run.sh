#!/usr/bin/env bash
# Imports the example design: counter.edf (synthesised from counter.v by
# Yosys) becomes counter.mac and counter.wir, with the base macro file
# counter_base.mac mapping the generic gates to the target library,
# reordering the multiplexer's ports, inserting inverters in front of the
# AND gates' B inputs and buffering the nets of high fanout.
# Usage: examples/run.sh [OUTPUT_DIR]   (default: a new temporary directory)
# The kalvor program is $KALVOR, else build/release/bin/kalvor, else
# build/bin/kalvor, else the one on PATH.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
kalvor="${KALVOR:-}"
for candidate in "$root/build/release/bin/kalvor" "$root/build/bin/kalvor"; do
  [ -n "$kalvor" ] && break
  [ -x "$candidate" ] && kalvor="$candidate"
done
kalvor="${kalvor:-kalvor}"
out="${1:-$(mktemp -d)}"
mkdir -p "$out"
cp "$here/counter.edf" "$here/counter_base.mac" "$out/"
rm -f "$out/counter.mac" "$out/counter.wir"
# Answers in order: use a base macro file (yes), which one, and the include
# dialog: no tech or TIB include, the base file, no pads.
"$kalvor" edif "$out/counter.edf" --ini "$out/kalvor.ini" \
  --answer yes --answer "$out/counter_base.mac" --answer 'func=;pri=;base=counter_base.mac;pads=;'
echo
echo "== $out/counter.mac"
cat "$out/counter.mac"
echo "== $out/counter.wir"
cat "$out/counter.wir"
