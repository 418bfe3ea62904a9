#!/usr/bin/env bash
# The man page lists the same functions and options as `kalvor --help`, in
# the same order, has a subsection per function with the options of
# `kalvor help FUNCTION`, carries the same version and formats without
# warnings.
#
#   man_page.sh KALVOR MAN-PAGE
set -euo pipefail
kalvor="$1"
page="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -s "$page" ] || fail "no man page at $page"
help="$("$kalvor" --help)"

# The terms of one section of the help ("Functions:"): the lines indented by
# two blanks, up to two blanks in a row.
help_terms() {
  printf '%s\n' "${2:-$help}" | awk -v heading="$1" '
    /^[^ ]/ { on = ($0 == heading); next }
    on && /^  [^ ]/ { sub(/^  /, ""); split($0, part, "  "); print part[1] }'
}

# The terms of one section of the man page (".SH FUNCTIONS"): the line after
# each .TP, with the roff escapes taken off.
man_terms() {
  awk -v heading=".SH $1" '
    /^\.SH / { on = ($0 == heading); prev = ""; next }
    on && prev == ".TP" {
      t = $0; gsub(/\\f[BIRP]/, "", t); gsub(/\\-/, "-", t); gsub(/\\e/, "\\", t); print t
    }
    { prev = $0 }' "$page"
}

headings="$(printf '%s\n' "$help" | grep -E '^[^ ].*:$' || true)"
for wanted in Functions: Options:; do
  grep -qxF "$wanted" <<< "$headings" || fail "--help has no section $wanted"
done
while read -r heading; do
  section="$(tr '[:lower:]' '[:upper:]' <<< "${heading%:}")"
  if ! diff <(help_terms "$heading") <(man_terms "$section") >&2; then
    fail "section $heading: --help (<) and the man page (>) differ"
  fi
done <<< "$headings"
[ "$(help_terms Functions: | wc -l)" -ge 10 ] || fail "too few functions read from --help"
grep -qx 'select' <(help_terms Functions:) || fail "select is not listed"
grep -q -- '--version' <(help_terms Options:) || fail "--version is not listed"

# The entries of one function's subsection (".SS net") up to the next one.
function_terms() {
  awk -v heading=".SS $1" '
    /^\.S[SH] / { on = ($0 == heading); prev = ""; next }
    on && prev == ".TP" {
      t = $0; gsub(/\\f[BIRP]/, "", t); gsub(/\\-/, "-", t); gsub(/\\e/, "\\", t); print t
    }
    { prev = $0 }' "$page"
}
functions=0
while read -r name; do
  [ "$name" = select ] && continue
  function_help="$("$kalvor" help "$name")" || fail "kalvor help $name failed"
  grep -q "^\.SS $name\$" "$page" || fail "no subsection for $name"
  if ! diff <(help_terms Asks: "$function_help") <(function_terms "$name") >&2; then
    fail "function $name: kalvor help (<) and the man page (>) differ"
  fi
  functions=$((functions + 1))
done < <(help_terms Functions:)
[ "$functions" -ge 10 ] || fail "too few function subsections"
[ "$(function_terms edif | grep -c -- '^--')" -ge 5 ] || fail "the edif subsection lists too few options"

version="$("$kalvor" --version)"
[[ "$version" =~ ^kalvor\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed '$version'"
grep -q "^\.TH KALVOR 1 .*\"$version\"" "$page" || fail "the man page is not of $version"

warnings="$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)"
[ -z "$warnings" ] || fail "groff warns: $warnings"
echo "man page ok"
