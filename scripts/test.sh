#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests (also under
# AddressSanitizer and UndefinedBehaviorSanitizer), the end-to-end tests of
# the kalvor program, and the extra suites in scripts/test.d/.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

scripts/install-deps.sh

echo "== release build and tests"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== unit tests under ASan+UBSan"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DKALVOR_SANITIZE=ON -DKALVOR_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs" --target kalvor_unit_tests kalvor
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs" -R '^[A-Z]'

for suite in scripts/test.d/*.sh; do
  [ -f "$suite" ] || continue
  echo "== $(basename "$suite" .sh)"
  bash "$suite" "$root"
done
echo "== all tests passed"
