#!/usr/bin/env bash
# The SPICE clean-up runs end to end through the kalvor program over every
# corpus netlist.
set -euo pipefail
source "$(dirname "$0")/common.sh"
corpus="$src/tests/corpus"

# --- spice-clean over every corpus netlist, default options and every option.
mkdir sp
for f in "$corpus"/spice/*; do
  name="$(basename "$f")"
  id="${name%%.*}"
  cp "$f" "sp/$id.spc"
  chmod u+w "sp/$id.spc"
  "$kalvor" spice-clean "sp/$id.spc" --ini "$ini" --answer 'se=n;le=y;' \
    --spc-nocom=1 --spc-nonc=1 --spc-noend=1 --spc-noques=1 --spc-noc=1 \
    --spc-noupr=0 --spc-diodes=1 --spc-nocaps=0 2>"sp/$id.err" || fail "$name: default clean-up"
  grep -q "^\[Done!\] $work/sp/$id.spc\$" "sp/$id.err" || fail "$name: no Done!"
  if grep -q '^\*' "sp/$id.spc"; then fail "$name: comment lines kept"; fi
  cp "$f" "sp/$id.spc"
  chmod u+w "sp/$id.spc"
  "$kalvor" spice-clean "sp/$id.spc" --ini "$ini" --answer no --answer 'se=n;le=y;' \
    --spc-nocom=1 --spc-nonc=1 --spc-noend=1 --spc-noques=1 --spc-noc=1 \
    --spc-noupr=1 --spc-diodes=1 --spc-nocaps=1 2>"sp/$id.all.err" </dev/null ||
    fail "$name: clean-up with every option"
  grep -q "^\[Done!\] $work/sp/$id.spc\$" "sp/$id.all.err" || fail "$name: no Done! with every option"
  no_scratch sp "$name"
done
# Where only the comment and .END steps apply, the rest is the input byte
# for byte (with CR LF line ends).
cp "$corpus/spice/c432.net" sp/c432.spc
chmod u+w sp/c432.spc
"$kalvor" spice-clean sp/c432.spc --ini "$ini" --answer 'se=n;le=y;' --spc-nocom=1 \
  --spc-noend=1 2>/dev/null || fail "c432 clean-up"
grep -v '^\*' "$corpus/spice/c432.net" | grep -vx '.END' | sed 's/$/\r/' | cmp -s - sp/c432.spc ||
  fail "c432: kept lines changed"

echo "spice clean-up e2e: all passed"
