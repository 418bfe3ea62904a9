#!/usr/bin/env bash
# Names a shell would run and names with blanks reach NetTran as plain
# arguments, with and without its output to disk; settings files that
# cannot be written are reported; two conversions at once in one directory
# and concurrent writers of one settings file keep every file whole.
set -uo pipefail
source "$(dirname "$0")/common.sh"
export PATH="$3:$PATH"
touch "$work/scmossim.mac"

# --- hostile and blank names, as the directory and (after a "-") as the
# test ID: each reaches NetTran as one plain argument, with and without its
# output to disk, and nothing they spell is run.
names=('p$(touch RAN1)q' 'two words' 'a;touch RAN2;b' 'q"uo"te\"' '[RDMX]' '-o x' $'\xff\xfe%PATH%')
for name in "${names[@]}"; do
  for disk in 0 1; do
    dir="d$name"
    rm -rf "${work:?}/$dir" && mkdir -p "$work/$dir" && cd "$work/$dir" || exit 1
    id="-$name"
    printf '.macro top a b\r\n<U1 INV a b\r\n.eom\r\n' > "$id.mac"
    printf '%s\r\n' '$ Written by Kalvor EDIF to .MAC converter.' '' 'WIRE LIST' \
      '<<< COMPONENT LIST >>>' 'top top top' > "$id.wir"
    "$kalvor" net "$work/$dir/$id.mac" --ini "$ini" --nettran-to-disk=$disk \
      --answer "$work/scmossim.mac" --no </dev/null >/dev/null 2>run.log ||
      { cat run.log >&2; fail "net in '$dir' (to disk $disk) exit $?"; }
    [ -f "$id.net" ] || { cat run.log >&2; fail "no netlist in '$dir' (to disk $disk)"; }
    if [ "$disk" = 1 ]; then
      grep -qF "nettran stand-in: net" -- "$id.out" || fail "no console output in '$dir'"
    fi
    cd "$work" || exit 1
  done
done
ran=$(find "$work" -name 'RAN*')
[ -z "$ran" ] || fail "a file name ran a command: $ran"

# --- a line break in the directory or the file name is refused: nothing of
# it reaches the settings (it would add keys such as NETTRAN.EXE).
printf '[RDMX]\ntestname=kept\n' > "$work/names.ini"
for path in $'d\nNETTRAN.EXE=/bin/false\n[RDMX]\nx/t.mac' $'d/t\n[RDMX]\nGATESIM.EXE=x.mac'; do
  mkdir -p "$work/$(dirname "$path")" && printf 'x\n' > "$work/$path"
  "$kalvor" select "$work/$path" --ini "$work/names.ini" </dev/null 2>err.txt
  rc=$?
  [ "$rc" -eq 1 ] || fail "a line break in the path: exit status $rc"
  grep -qF 'This path holds a line break' err.txt || { cat err.txt >&2; fail "no message"; }
  grep -qx 'testname=kept' "$work/names.ini" && ! grep -qE 'EXE|^x' "$work/names.ini" ||
    { cat "$work/names.ini" >&2; fail "the path reached the settings"; }
done

# --- settings that cannot be written
printf 'x\n' > "$work/r.txt"
mkdir "$work/inidir"
for bad in /proc/kalvor.ini "$work/inidir"; do
  "$kalvor" select "$work/r.txt" --ini "$bad" </dev/null 2>err.txt
  rc=$?
  [ "$rc" -eq 1 ] || fail "settings file $bad: exit status $rc"
  grep -qE "^\[$bad\] Unable to (save the settings in|read) above file" err.txt ||
    { cat err.txt >&2; fail "settings file $bad: no message"; }
done

# --- concurrent writers of one settings file: the stored test ID and test
# directory always come from the same run; no temporary file is left.
for i in 1 2 3 4 5 6; do mkdir -p "$work/d$i" && printf 'x\n' > "$work/d$i/t$i.mac"; done
for round in 1 2 3; do
  for i in 1 2 3 4 5 6; do
    "$kalvor" select "$work/d$i/t$i.mac" --ini "$work/shared.ini" </dev/null 2>/dev/null &
  done
  wait
  name=$(sed -n 's/^testname=//p' "$work/shared.ini")
  dir=$(sed -n 's/^testdir=//p' "$work/shared.ini")
  [ "$dir" = "$work/d${name#t}/" ] || fail "round $round: testname $name with testdir $dir"
done
left=$(find "$work" -maxdepth 1 -name '~shared.ini*' -o -maxdepth 1 -name 'shared.ini.tmp.*')
[ -z "$left" ] || fail "temporary settings files left: $left"

# --- two conversions at once in one directory: a switch and a trace
mkdir -p "$work/both/bin" && cd "$work/both" || exit 1
printf '#!/bin/sh\nexit 0\n' > bin/gtkwave && chmod +x bin/gtkwave
printf 'Signals= clk count\r\n\r\n\r\n\r\n0 1 0\r\n1 0 1\r\n' > run.txt
printf -- '--ifdef SIM\r\n  a <= b;\r\n--endif\r\n' > expected.vhd
trace() {
  PATH="$work/both/bin:$PATH" "$kalvor" vhdout run.txt --ini "$work/both.ini" \
    --answer run.txt --answer 'supply=3.3;counts/volt=1241;limit=n;' </dev/null >/dev/null 2>&1
}
trace && cp run.out expected.out || fail "the trace conversion alone failed"
for round in 1 2 3 4 5 6; do
  printf -- '--ifdef SIM\r\n--  a <= b;\r\n--endif\r\n' > sw.vhd
  "$kalvor" sim sw.vhd --ini "$work/both.ini" --yes </dev/null >/dev/null 2>&1 &
  trace &
  wait
  cmp -s sw.vhd expected.vhd || fail "round $round: sw.vhd differs"
  grep -q 'clk' sw.vhd && fail "round $round: trace rows in sw.vhd"
  cmp -s run.out expected.out || fail "round $round: run.out differs"
  no_scratch . "round $round"
done
echo "safety ok"
