# Sourced by the suites of scripts/test.d: finds the kalvor program built under
# the project (or the one $KALVOR names) and checks for an outside tool.
# Usage: suite_kalvor SUITE; suite_needs SUITE COMMAND PACKAGE-LIST

suite_kalvor() {
  kalvor="${KALVOR:-}"
  for candidate in "$root/build/release/bin/kalvor" "$root/build/bin/kalvor"; do
    if [ -z "$kalvor" ] && [ -x "$candidate" ]; then kalvor="$candidate"; fi
  done
  if [ -z "$kalvor" ]; then
    echo "$1: no kalvor program under $root/build; build first" >&2
    exit 1
  fi
}

suite_needs() {
  if ! command -v "$2" >/dev/null; then
    echo "$1: $2 is missing (scripts/install-deps.sh $3)" >&2
    exit 1
  fi
}
