#!/usr/bin/env bash
# Timings of the EDIF import: generated netlists of about 1, 10 and 100 MB
# and the large real netlists of the corpus (unzipped into a temporary
# directory). Usage: [ROUNDS=N] bench/edif_bench.sh [BUILD_DIR]   (default build/release)
# Prints, per file, the import's processor seconds and peak resident memory
# (one process per run) against the floor, `cp` and `wc -l` of the same file
# run in turn with it, best of ROUNDS (default 3) rounds each, as multiples.
# The limit: 12x cp.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
rounds="${ROUNDS:-3}"
bench="$build/bench/edif_import_bench"
if [ ! -x "$bench" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target edif_import_bench >/dev/null
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p"; }
# shellcheck source=bench/floor.sh
. "$root/bench/floor.sh"

run() {  # name file: best of $rounds rounds, the import, cp and wc -l in turn
  local imp cpu="" cp="" wc="" r bytes peak
  for ((r = 0; r < rounds; r++)); do
    imp="$("$bench" import "$2")"
    cpu=$(min "$(echo "$imp" | field cpu_s)" "$cpu")
    cp=$(min "$(cpu_of cp "$2" "$work/copy")" "$cp"); rm -f "$work/copy"
    wc=$(min "$(cpu_of wc -l "$2")" "$wc")
  done
  bytes=$(echo "$imp" | field bytes); peak=$(echo "$imp" | field peak_kb)
  awk -v n="$1" -v b="$bytes" -v c="$cpu" -v p="$peak" -v cp="$cp" -v wc="$wc" 'BEGIN {
    f = 0.001
    printf "%-26s %8.1f MB  import %7.3f s cpu  peak %7.1f MB (%.2fx)  cp %6.3f s  wc -l %6.3f s  %6.1fx cp %6.1fx wc -l%s\n",
      n, b / 1e6, c, p / 1024, (p * 1024) / b, cp, wc, c / (cp > f ? cp : f), c / (wc > f ? wc : f),
      (c <= 12 * (cp > f ? cp : f)) ? "" : "  (over 12x cp)" }'
  echo "$1 $bytes $cpu" >>"$work/cpu.txt"
}

echo "processor seconds, best of $rounds rounds; load $(cut -d' ' -f1 /proc/loadavg); limit 12x cp"
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
