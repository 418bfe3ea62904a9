#!/usr/bin/env bash
# mac2vhd on real designs: the macro files of the large EDIF and Verilog
# netlists of the corpus (unzipped and imported into a temporary directory), converted in the
# default form and in standard VHDL, each run as its own `kalvor mac2vhd`
# process against the floor, `cp` and `wc -l` of the same macro file run in
# turn with it; best of ROUNDS (default 5) rounds each, as multiples.
# The limit: 15x cp. The generated 100 MB file is vhdl_mac2vhd_bench's.
# Usage: [ROUNDS=N] bench/mac2vhd_corpus.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
rounds="${ROUNDS:-5}"
kalvor="$build/bin/kalvor"
if [ ! -x "$kalvor" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target kalvor >/dev/null
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# shellcheck source=bench/floor.sh
. "$root/bench/floor.sh"
# Settings of its own; tables large enough that no run grows them, and a
# cell may hold a million instances.
printf '[RDMX]\nNETS=40000000\nkNETS=2000000\nedif_instances=2000000\n' >"$work/kalvor.ini"
convert() {  # mac standard
  (cd "$work" && "$kalvor" mac2vhd "$1" --ini "$work/kalvor.ini" --yes --quiet \
    --fanout-report=no --vhdl-standard="$2")
}

echo "processor seconds, best of $rounds rounds; load $(cut -d' ' -f1 /proc/loadavg); limit 15x cp"
for z in "$root"/tests/corpus/large/*.edf.zip "$root"/tests/corpus/large/*.v.zip; do
  [ -f "$z" ] || continue
  unzip -o -q "$z" -d "$work"
  netlist="$work/$(basename "$z" .zip)"
  mac="${netlist%.*}.mac"
  (cd "$work" && "$kalvor" edif "$netlist" --ini "$work/kalvor.ini" --yes --quiet >/dev/null 2>&1) || true
  rm -f "$netlist"
  [ -s "$mac" ] || continue
  cp_s="" wc_s="" default_s="" standard_s=""
  for ((r = 0; r < rounds; r++)); do
    cp_s=$(min "$(cpu_of cp "$mac" "$work/copy")" "$cp_s"); rm -f "$work/copy"
    wc_s=$(min "$(cpu_of wc -l "$mac")" "$wc_s")
    default_s=$(min "$(cpu_of convert "$mac" no)" "$default_s")
    standard_s=$(min "$(cpu_of convert "$mac" yes)" "$standard_s")
  done
  awk -v n="$(basename "$mac")" -v b="$(stat -c %s "$mac")" -v cp="$cp_s" -v wc="$wc_s" \
      -v d="$default_s" -v s="$standard_s" 'BEGIN {
    f = 0.001; c = cp > f ? cp : f; w = wc > f ? wc : f
    printf "%-26s %6.1f MB  cp %6.3f s  wc -l %6.3f s | default %6.3f s %5.1fx cp %5.1fx wc -l%s | standard %6.3f s %5.1fx cp %5.1fx wc -l%s\n",
      n, b / 1e6, cp, wc, d, d / c, d / w, (d <= 15 * c) ? "" : " (over 15x cp)",
      s, s / c, s / w, (s <= 15 * c) ? "" : " (over 15x cp)" }'
  rm -f "${mac%.mac}".*
done
