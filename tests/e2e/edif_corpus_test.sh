#!/usr/bin/env bash
# Imports every EDIF netlist of the corpus through `kalvor edif` and checks
# that each converts: exit status 0, the summary shown, one instance line
# per instance the contents (or their pages) list, a wire list naming the
# top cell (none for a file without a design). The wrapped copy of lc2 must
# give the same macro file as lc2 itself, and every netlist the same macro
# file and wire list with each list on a line of its own (the reader takes
# lists that close in their line at once, others token by token).
set -u
kalvor="$1"
src="$2"
corpus="$src/tests/corpus/edif"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for edf in "$corpus"/*.edf; do
  name="$(basename "$edf" .edf)"
  dir="$work/$name"
  mkdir -p "$dir"
  cp "$edf" "$dir/"
  chmod u+w "$dir/$name.edf"
  timeout 300 "$kalvor" edif "$dir/$name.edf" --ini "$dir/k.ini" \
    --answer no --answer 'func=;pri=;base=;pads=;' --no >"$dir/out.txt" 2>"$dir/err.txt"
  rc=$?
  if [ "$rc" -ne 0 ]; then
    fail "$name: exit status $rc"; sed 's/^/    /' "$dir/err.txt" | head -20; continue
  fi
  grep -q '^\[EDIF Conversion Done.\]' "$dir/err.txt" || fail "$name: no summary"
  mac="$dir/$name.mac"
  [ -s "$mac" ] || { fail "$name: no macro file"; continue; }
  # Lines of exactly 80 characters continue on the next line (wrapped
  # layouts). Instances the contents (or a page of them) list are the
  # netlist's; those inside a net or a port's implementation are drawings.
  flat="$dir/flat.txt"
  tr -d '\r' <"$edf" | awk 'length($0) == 80 { printf "%s", $0; next } { print $0 " " }' >"$flat"
  instances=$(awk 'BEGIN { RS = "\001" } {
      gsub(/"[^"]*"/, "\"\""); gsub(/\(/, " ( "); gsub(/\)/, " ) ")
      n = split($0, t, /[ \t\n]+/); d = 0; open = 0
      for (i = 1; i <= n; i++) {
        if (t[i] == "(") { open = 1; continue }
        if (t[i] == ")") { d--; continue }
        if (open) { open = 0; head[++d] = tolower(t[i])
          if (head[d] == "instance" && (head[d-1] == "contents" || head[d-1] == "page")) count++ }
      }
    } END { print count + 0 }' "$flat")
  lines=$(grep -c '^<' "$mac")
  [ "$instances" -eq "$lines" ] || fail "$name: $instances instances but $lines instance lines"
  macros=$(grep -ci '^\.macro ' "$mac")
  ends=$(grep -ci '^\.eom' "$mac")
  [ "$macros" -gt 0 ] && [ "$macros" -eq "$ends" ] || fail "$name: $macros headers, $ends end lines"
  top=$(sed -n 's/^Top cell: *//p' "$dir/err.txt")
  # A file without a design names no top cell and gets no wire list.
  if ! grep -qiE '\(design([ (]|$)' "$flat"; then
    [ "$top" = "-none-" ] && [ ! -e "$dir/$name.wir" ] || fail "$name: no design, but top $top or a wire list"
  else
    tail -n 1 "$dir/$name.wir" | tr -d '\r' | grep -qx "$top $top $top" || fail "$name: wire list"
  fi
  if awk 'length($0) > 78 { bad = 1 } END { exit !bad }' "$mac"; then fail "$name: line over 77 characters"; fi
  # Each list on a line of its own (not in strings; not for a layout
  # wrapped at 80 columns, whose line ends are part of the text).
  if ! awk 'length($0) == 80 { found = 1 } END { exit !found }' "$edf"; then
    broken="$dir/broken"
    mkdir -p "$broken"
    perl -pe 's/("[^"]*")|( \()/defined $1 ? $1 : "\n ("/ge' "$edf" >"$broken/$name.edf"
    timeout 300 "$kalvor" edif "$broken/$name.edf" --ini "$broken/k.ini" \
      --answer no --answer 'func=;pri=;base=;pads=;' --no >/dev/null 2>&1
    cmp -s "$mac" "$broken/$name.mac" || fail "$name: another macro file with each list on its own line"
    if [ -e "$dir/$name.wir" ]; then
      cmp -s "$dir/$name.wir" "$broken/$name.wir" || fail "$name: another wire list with each list on its own line"
    fi
  fi
  echo "ok: $name ($macros macros, $lines instance lines, top $top, $(grep -o 'NCX[0-9]*' "$mac" | sort -u | wc -l) unconnected)"
done

if ! cmp -s "$work/lc2/lc2.mac" "$work/lc2_wrap80/lc2_wrap80.mac"; then
  fail "lc2_wrap80.edf and lc2.edf give different macro files"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all corpus files converted"
