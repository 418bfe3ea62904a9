#!/usr/bin/env bash
# Timings of the EDIF import: generated netlists of about 1, 10 and 100 MB
# and the large real netlists of the corpus (unzipped into a temporary
# directory). Usage: bench/edif_bench.sh [BUILD_DIR]   (default build/release)
# Prints, per file, wall and CPU seconds and peak resident memory of the
# import (one process per file), the ReadLine pass over the same file, and
# the ratios the import is held to.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
bench="$build/bench/edif_import_bench"
if [ ! -x "$bench" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target edif_import_bench >/dev/null
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p"; }

run() {  # name file
  local imp rl
  imp="$("$bench" import "$2")"
  rl="$("$bench" readline "$2")"
  local bytes wall cpu peak rwall rcpu
  bytes=$(echo "$imp" | field bytes); wall=$(echo "$imp" | field wall_s); cpu=$(echo "$imp" | field cpu_s)
  peak=$(echo "$imp" | field peak_kb); rwall=$(echo "$rl" | field wall_s); rcpu=$(echo "$rl" | field cpu_s)
  awk -v n="$1" -v b="$bytes" -v w="$wall" -v c="$cpu" -v p="$peak" -v rw="$rwall" -v rc="$rcpu" 'BEGIN {
    printf "%-26s %8.1f MB  import %7.3f s wall %7.3f s cpu  peak %7.1f MB (%.2fx)  readline %6.3f s cpu  import/readline %5.1fx\n",
      n, b / 1e6, w, c, p / 1024, (p * 1024) / b, rc, (rc > 0 ? c / rc : 0) }'
  echo "$1 $bytes $cpu" >>"$work/cpu.txt"
}

for mb in 1 10 100; do
  "$bench" gen "$work/gen_${mb}mb.edf" "$mb"
  run "generated ${mb} MB" "$work/gen_${mb}mb.edf"
  rm -f "$work/gen_${mb}mb.mac" "$work/gen_${mb}mb.wir"
done
for z in "$root"/tests/corpus/large/*.edf.zip; do
  [ -f "$z" ] || continue
  unzip -o -q "$z" -d "$work"
  f="$work/$(basename "$z" .zip)"
  run "$(basename "$f")" "$f"
  rm -f "$f" "${f%.edf}.mac" "${f%.edf}.wir"
done

awk '/^generated/ { cpu[$2] = $5; size[$2] = $4 }
  END {
    if (cpu["1"] > 0) printf "scaling 1 -> 10 MB: %.1fx the time for %.1fx the input\n", cpu["10"] / cpu["1"], size["10"] / size["1"]
    if (cpu["10"] > 0) printf "scaling 10 -> 100 MB: %.1fx the time for %.1fx the input\n", cpu["100"] / cpu["10"], size["100"] / size["10"]
  }' "$work/cpu.txt"
