#!/usr/bin/env bash
# A failing disk under every converter that writes: reads that stop with an
# I/O error, a full disk, failing flush, sync, close and rename. Each must
# end with exit status 1 and a message naming the real file, leave the
# previous version of its output byte for byte, and leave no scratch file.
# Then the Nth operation of each kind fails, on any file the run touches,
# the settings file included: every file is then its old or its new
# version, never anything else, and a run that could not do it all says so
# and ends with exit status 1.
set -uo pipefail
source "$(dirname "$0")/common.sh"
shim="$3/fault_shim.so"
[ -f "$shim" ] || fail "no fault shim at $shim"

printf '[RDMX]\nmac2vhd=m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;\n' > "$ini"
# A waveform viewer that shows nothing, so that the trace conversion can end well.
mkdir -p "$work/bin" && printf '#!/bin/sh\nexit 0\n' > "$work/bin/gtkwave" && chmod +x "$work/bin/gtkwave"
export PATH="$work/bin:$PATH"

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
  "copy-mac|c.mac|$work/from/c.mac|copy-mac --answer $work/from/c.mac --yes"
  "setup|top.VEC|top.wir|setup top.mac --answer 301=a --yes"
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
  printf '.macro C a\r\n.eom\r\n' > "$work/from/c.mac" && printf 'w\r\n' > "$work/from/c.wir"
  printf '$ Written by hand\r\n\r\nWIRE LIST\r\n<<< COMPONENT LIST >>>\r\nTOP TOP TOP\r\n' > top.wir
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
# --- the Nth operation of a kind fails, whichever file it touches
ops=(read write flush sync close rename)
total=0
for row in "${cases[@]}"; do
  IFS='|' read -r name target input command <<<"$row"
  # What a run without faults leaves.
  setup_inputs
  [ "$target" = "$input" ] || printf 'old' > "$target"
  printf '[other]\nkeep=1\n' > "$ini"
  # shellcheck disable=SC2086
  "$kalvor" $command --ini "$ini" </dev/null >/dev/null 2>&1 || fail "$name without faults"
  cp "$target" "$work/expected"
  for op in "${ops[@]}"; do
    for n in $(seq 1 40); do
      setup_inputs
      [ "$target" = "$input" ] || printf 'old' > "$target"
      cp "$target" before
      printf '[other]\nkeep=1\n' > "$ini"
      rm -f "$work/hit"
      # shellcheck disable=SC2086
      KALVOR_FAULT="$op" KALVOR_FAULT_NTH="$n" KALVOR_FAULT_HIT="$work/hit" \
        LD_PRELOAD="$shim" "$kalvor" $command --ini "$ini" </dev/null >out.txt 2>err.txt
      rc=$?
      [ -f "$work/hit" ] || break
      total=$((total + 1))
      what="$name with failing $op number $n"
      cmp -s "$target" before || cmp -s "$target" "$work/expected" ||
        fail "$what: $target is neither its old nor its new version"
      grep -qx 'keep=1' "$ini" || { cat "$ini" >&2; fail "$what: the settings lost a key"; }
      no_scratch . "$what"
      no_scratch "$work" "$what"
      case "$rc" in
        0) cmp -s "$target" "$work/expected" || fail "$what: exit status 0, $target not written" ;;
        1) grep -q '^\[' err.txt || fail "$what: exit status 1 without a message" ;;
        *) cat err.txt >&2; fail "$what: exit status $rc" ;;
      esac
      cd "$work" || exit 1
    done
  done
done
echo "$total Nth-operation faults"

# --- read errors are failures, never content: the base macro file of the
# import, the wire list that gives setup its ports; and setup's own write
# failure is never "Done."
setup_inputs
printf '.macro AND2 A B Y\r\n$rename AND2 AN2\r\n$fanouts 2 3 4\r\n' > base.mac
KALVOR_FAULT=read KALVOR_FAULT_MATCH=base.mac LD_PRELOAD="$shim" "$kalvor" edif and.edf \
  --ini "$ini" --answer yes --answer "$work/run/base.mac" --answer 'func=;pri=;base=base.mac;pads=;' \
  --no </dev/null >/dev/null 2>err.txt
rc=$?
[ "$rc" -eq 1 ] || { cat err.txt >&2; fail "unreadable base macro file: exit status $rc"; }
shows err.txt "[$work/run/base.mac] Unable to read above file to its end; nothing was changed."
[ ! -e and.mac ] || fail "unreadable base macro file: and.mac written"
printf '.macro TOP a b y\r\n.eom\r\n' > top.mac
printf '$ Written by hand\r\n\r\nWIRE LIST\r\n<<< COMPONENT LIST >>>\r\nTOP TOP TOP\r\n' > top.wir
KALVOR_FAULT=read KALVOR_FAULT_MATCH=top.wir LD_PRELOAD="$shim" "$kalvor" setup top.mac \
  --ini "$ini" --answer '301=a,y' --answer yes --answer no </dev/null >/dev/null 2>err.txt
rc=$?
[ "$rc" -eq 1 ] || { cat err.txt >&2; fail "unreadable wire list in setup: exit status $rc"; }
shows err.txt "[$work/run/top.wir] Unable to read above file to its end; nothing was changed."
KALVOR_FAULT=rename KALVOR_FAULT_MATCH=top.VEC LD_PRELOAD="$shim" "$kalvor" setup top.mac \
  --ini "$ini" --answer '301=a,y' --answer yes --answer no </dev/null >/dev/null 2>err.txt
rc=$?
[ "$rc" -eq 1 ] || { cat err.txt >&2; fail "setup's .VEC not written: exit status $rc"; }
if grep -qF 'Done.' err.txt; then fail "setup's .VEC not written: reported as done"; fi
cd "$work" || exit 1

# --- pairs: when the second file cannot be replaced, the first is put back
# (and a failing directory write-through after a rename is a failure too)
pairs=(
  "and.mac|and.wir|edif and.edf --answer yes --answer no --answer func=;pri=;base=;pads=; --no"
  "c.mac|c.wir|copy-mac --answer $work/from/c.mac --yes"
  "top.VEC|top.SIM|setup top.mac --answer 301=a --yes"
)
for row in "${pairs[@]}"; do
  IFS='|' read -r first second command <<<"$row"
  for fault in "rename $second" "sync $work/run"; do
    setup_inputs
    printf 'old' > "$first" && printf 'old' > "$second"
    # shellcheck disable=SC2086
    KALVOR_FAULT=${fault% *} KALVOR_FAULT_MATCH=${fault#* } KALVOR_FAULT_NTH=$([ "${fault% *}" = sync ] && echo 4) \
      LD_PRELOAD="$shim" "$kalvor" $command --ini "$ini" </dev/null >/dev/null 2>err.txt
    rc=$?
    [ "$rc" -eq 1 ] || { cat err.txt >&2; fail "$first/$second, failing $fault: exit status $rc"; }
    if [ "${fault% *}" = rename ]; then
      same_bytes "$first" 'old'
      same_bytes "$second" 'old'
    else
      grep -qF 'could not confirm' err.txt || { cat err.txt >&2; fail "$first/$second: no message"; }
    fi
    no_scratch . "$first/$second, failing $fault"
    cd "$work" || exit 1
  done
done

# --- the settings file that cannot be read to its end (when the run starts,
# or again to be changed) is never rewritten from the part that was read;
# the run says so and ends with exit status 1.
printf 'x\n' > "$work/r.txt"
for n in 1 2; do
  printf '[other]\nkeep=1\n\n[RDMX]\nspc_lambda=.5\n' > "$ini"
  KALVOR_FAULT=read KALVOR_FAULT_NTH=$n KALVOR_FAULT_MATCH=kalvor.ini LD_PRELOAD="$shim" \
    "$kalvor" select "$work/r.txt" --ini "$ini" </dev/null >/dev/null 2>err.txt
  rc=$?
  grep -qx 'keep=1' "$ini" || { cat "$ini" >&2; fail "read fault $n: the settings lost a key"; }
  [ "$rc" -eq 1 ] || fail "read fault $n: exit status $rc"
  message='Unable to save the settings'
  [ "$n" = 1 ] && message='Unable to read above file to its end'
  grep -qF "$message" err.txt || { cat err.txt >&2; fail "read fault $n: no message"; }
done
echo "write faults ok"
