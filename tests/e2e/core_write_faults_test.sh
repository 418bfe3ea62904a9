#!/usr/bin/env bash
# A failing disk under every converter that writes: reads that stop with an
# I/O error, a full disk, failing flush, sync, close and rename. Each must
# end with exit status 1 and a message naming the real file, leave the
# previous version of its output byte for byte, and leave no scratch file.
set -uo pipefail
source "$(dirname "$0")/common.sh"
shim="$3/fault_shim.so"
[ -f "$shim" ] || fail "no fault shim at $shim"

printf '[RDMX]\nmac2vhd=m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;\n' > "$ini"

# name | the file it writes (its previous version is "old") | the input read | command
# Each command runs in $work with the inputs made by setup_inputs.
cases=(
  "reformat|r.txt|r.txt|reformat --answer $work/run/r.txt --answer ok"
  "a-cells|top.mac|top.mac|a-cells top.mac"
  "spice-clean|x.spc|x.spc|spice-clean x.spc --answer se=n;le=y;"
  "sim|sw.vhd|sw.vhd|sim sw.vhd --yes"
  "vhdout|run.out|run.txt|vhdout run.txt --answer run.txt --answer supply=3.3;counts/volt=1241;limit=n;"
  "mac2vhd|fa.vhd|fa.mac|mac2vhd fa.mac --answer ok --answer yes --answer no"
  "edif|and.mac|and.edf|edif and.edf --answer yes --answer no --answer func=;pri=;base=;pads=; --no"
  "copy-spice|c.spc|$work/from/c.spc|copy-spice --answer $work/from/c.spc --answer yes"
)

setup_inputs() {
  rm -rf "$work/run" && mkdir "$work/run" && cd "$work/run" || exit 1
  printf 'a\tb\nc' > r.txt
  printf '.macro TOP a b\r\n<U1 INVA a b\r\n.eom\r\n' > top.mac
  printf '* deck\r\nM1 a b c d NMOS\r\n.end\r\n' > x.spc
  printf -- '--ifdef SIM\r\n--  a <= b;\r\n--endif\r\n' > sw.vhd
  printf 'Signals= clk count\r\n\r\n\r\n\r\n0 1 0\r\n' > run.txt
  printf '.macro FA A B S\r\n<U1 XOR2 A B S\r\n.eom\r\n' > fa.mac
  cp "$src/tests/corpus/edif/AND_gate.edf" and.edf
  mkdir -p "$work/from" && printf '* copied\r\n' > "$work/from/c.spc"
}

for op in read write flush sync close rename; do
  for row in "${cases[@]}"; do
    IFS='|' read -r name target input command <<<"$row"
    setup_inputs
    # The previous version of the output (the input itself for rewrites).
    [ "$target" = "$input" ] || printf 'old' > "$target"
    cp "$target" before
    match="$target"
    [ "$op" = read ] && match="$input"
    # shellcheck disable=SC2086
    KALVOR_FAULT="$op" KALVOR_FAULT_MATCH="$match" LD_PRELOAD="$shim" \
      "$kalvor" $command --ini "$ini" </dev/null >out.txt 2>err.txt
    rc=$?
    what="$name with a failing $op"
    [ "$rc" -eq 1 ] || { cat err.txt >&2; fail "$what: exit status $rc, not 1"; }
    cmp -s "$target" before || fail "$what: $target changed"
    no_scratch . "$what"
    grep -qF "[$work/run/$match]" err.txt || grep -qF "[$match]" err.txt ||
      { cat err.txt >&2; fail "$what: no message names $match"; }
    if grep -qE '^\[[^]]*\] (Done|EDIF Conversion Done)' err.txt; then
      cat err.txt >&2; fail "$what: reported as done"
    fi
    cd "$work" || exit 1
  done
done
echo "write faults ok"
