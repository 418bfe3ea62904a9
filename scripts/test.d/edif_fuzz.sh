#!/usr/bin/env bash
# Fuzzes the EDIF import for a bounded time (EDIF_FUZZ_SECONDS, default 60)
# with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer,
# seeded with the corpus netlists and tests/fuzz/edif_seeds; then the same
# import on Verilog netlists (VERILOG_FUZZ_SECONDS, default 60), seeded with
# tests/fuzz/verilog_seeds and the Verilog of tests/tools;
# then the macro-file reader, the SPICE clean-up, the trace conversion and
# the conversion of a macro file to VHDL (TEXT_FUZZ_SECONDS, default 60).
# Fails on any crash, leak, hang or sanitizer report.
# The target compiles the floors the EDIF import stands on, so it needs no
# CMake build.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
seconds="${EDIF_FUZZ_SECONDS:-60}"
out="$root/build/fuzz"
mkdir -p "$out"
sources=()
for part in text platform core netlist mac import; do
  for f in "$root"/src/"$part"/*.cpp; do sources+=("$f"); done
done
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root/src" -I"$root/tests" -o "$out/edif_reader_fuzz" "$root/tests/fuzz/edif_reader_fuzz.cpp" "${sources[@]}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/units"
# The small corpus netlists are the seeds (the large ones only slow each run),
# with tests/fuzz/edif_seeds (cells of many ports whose names hash alike).
find "$root/tests/corpus/edif" -name '*.edf' -size -100k -exec cp {} "$work/units/" \;
cp "$root"/tests/fuzz/edif_seeds/*.edf "$work/units/"
chmod -R u+w "$work/units"
cd "$work"
"$out/edif_reader_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=2048 \
  -print_final_stats=1 "$work/units" 2>&1 | tail -n 15

# The same import on Verilog netlists.
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -DKALVOR_FUZZ_EXT='".v"' -I"$root/src" -I"$root/tests" -o "$out/verilog_reader_fuzz" \
  "$root/tests/fuzz/edif_reader_fuzz.cpp" "${sources[@]}"
mkdir -p "$work/verilog_units"
cp "$root"/tests/fuzz/verilog_seeds/*.v "$root"/tests/tools/verilog/*.vg "$root"/tests/tools/netlists/*.v \
  "$work/verilog_units/"
chmod -R u+w "$work/verilog_units"
"$out/verilog_reader_fuzz" -max_total_time="${VERILOG_FUZZ_SECONDS:-60}" -max_len=65536 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 "$work/verilog_units" 2>&1 | tail -n 15

# The readers of the other text formats: the macro-file reader, the SPICE
# clean-up, the trace-table conversion and the conversion of a macro file to
# VHDL (TEXT_FUZZ_SECONDS, default 60), seeded with the corpus SPICE decks,
# the example's macro file and tests/fuzz/mac_seeds.
text_sources=()
for part in text platform core netlist mac spice vhdl; do
  for f in "$root"/src/"$part"/*.cpp; do text_sources+=("$f"); done
done
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root/src" -I"$root/tests" -o "$out/text_formats_fuzz" "$root/tests/fuzz/text_formats_fuzz.cpp" \
  "${text_sources[@]}"
mkdir -p "$work/text_units"
i=0
for f in "$root"/examples/*.mac "$root"/tests/fuzz/mac_seeds/*.mac $(find "$root/tests/corpus/spice" -type f -size -64k | head -n 20); do
  # The first byte chooses the reader, the second its options (for the
  # conversion to VHDL: each form, bodies kept and read again).
  for selector in '\000\377' '\001\377' '\002\377' '\003\000' '\003\001' '\003\002' '\003\003'; do
    { printf "$selector"; cat "$f"; } > "$work/text_units/seed$((i++))"
  done
done
"$out/text_formats_fuzz" -max_total_time="${TEXT_FUZZ_SECONDS:-60}" -max_len=65536 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 "$work/text_units" 2>&1 | tail -n 15
