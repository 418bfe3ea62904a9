#!/usr/bin/env bash
# Every function run twice on the same design: once with its questions
# answered in order by --answer, once by named options only. Both runs must
# end alike and leave the same files, byte for byte. Answers differ from the
# defaults where they can, so that an option that answered nothing shows.
set -uo pipefail
kalvor=$1 src=$2 doubles=$3
export PATH="$doubles:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
d=$work/d

# The design every row starts from, made afresh in $d.
design() {
  rm -rf "$d" && mkdir -p "$d/tools" "$d/src" "$d/tr" "$d/ledit/extract" && cd "$d" || exit 1
  printf '[RDMX]\nleditdir=%s\nWAVEVIEWER=true\n' "$d/ledit" > k.ini
  printf '%s\r\n' '.macro INV A Y' '<M1 NMOS A Y' '.eom' \
    '.macro BLK A Vdd Gnd B' '+ C' '$blocklevel 1' '<U1 INV A B' '.eom' \
    '.macro top a b vdd' '+ y Gnd' '<X1 BLK a b y' '.eom' > abc.mac
  printf '%s\r\n' '$ Written by hand' '' 'WIRE LIST' '<<< COMPONENT LIST >>>' 'top top top' > abc.wir
  touch scmossim.mac scmostpr.mac scmosspc.mac
  cp "$src/examples/counter.edf" "$src/examples/counter_base.mac" .
  echo old > counter.mac
  printf '<cells.mac>\r\n$written by hdl_emit top=fa\r\n.macro FA A B CI S CO\r\n<U1 XOR2 A B N1\r\n<U2 XOR2 N1 CI S\r\n.eom\r\n' > fa.mac
  echo old > fa.vhd
  printf 'entity fa is port (a, b : in std_logic); end fa;\r\n' > ports.vhd
  printf -- 'entity e is end;\r\n--ifdef SIM\r\n--  x <= y after 1 ns;\r\n--else\r\n  x <= y;\r\n--endif\r\n' > sw.vhd
  cp sw.vhd sw2.vhd
  printf 'Signals=time tb.clk tb.count\n---\n---\n\n0  '"'"'1'"'"' '"'"'0'"'"' 1241 620 -5\n' > tr/run.txt
  printf '%s\n' '* top' 'M1 VDD A GND GND nmos' 'X1 ?a b inv' 'C1 a b 2f' 'D1 A B DMOD' '.END' > sp.spc
  printf '%s\n' '* command file' 'V1 Vdd gnd 5' > cmd.sp
  printf ' time  A B Y\r\n50 1 0 1\r\n150 0 0 1\r\n420 1 1 0\r\n' > abc.OUT
  printf '%s\r\n' 'NE abc.NET' 'PA abc.VEC' 'RE abc.OUT' > abc.sim
  cp abc.mac src/x.mac && cp abc.wir src/x.wir && echo old > x.wir
  printf '.SUBCKT y a\n.ENDS\n' > src/y.sp
  printf 'one\ttwo\nthree\rfour' > f.txt
  cp "$doubles/nettran.exe" tools/nettran.exe
  printf 'echo off\r\nPath=/usr/bin\r\n' > autoexec.bat
}

# row NAME "FILES" PRE -- ANSWERED-ARGS -- NAMED-ARGS: PRE runs after the
# design is made (a shell command).
row() {
  local name=$1 files=$2 pre=$3; shift 4
  local answered=() named=()
  while [ "$1" != -- ]; do answered+=("$1"); shift; done
  shift
  named=("$@")
  design; eval "$pre"
  "$kalvor" "${answered[@]}" --ini k.ini </dev/null >"$work/$name.a.log" 2>&1
  local status_a=$?
  mkdir -p "$work/$name.a"
  for f in $files; do [ -e "$f" ] && cp "$f" "$work/$name.a/"; done
  design; eval "$pre"
  "$kalvor" "${named[@]}" --ini k.ini </dev/null >"$work/$name.n.log" 2>&1
  local status_n=$?
  local bad=""
  [ "$status_a" = "$status_n" ] || bad="exit $status_a with --answer, $status_n with named options"
  for f in $files; do
    local kept="$work/$name.a/$(basename "$f")"
    if [ -e "$kept" ] || [ -e "$f" ]; then cmp -s "$kept" "$f" || bad="$bad $f differs"; fi
  done
  [ -n "$(ls "$work/$name.a")" ] || bad="$bad none of $files was written"
  if [ "${#named[@]}" -gt 2 ] && ! grep -q '^  > .*--' "$work/$name.n.log"; then
    bad="$bad no named option answered"
  fi
  if [ -n "$bad" ]; then
    echo "FAIL - $name:$bad"; cat "$work/$name.a.log" "$work/$name.n.log"; fails=$((fails + 1))
  else
    echo "ok - $name"
  fi
}

row edif "counter.mac counter.wir k.ini" "" -- \
  edif counter.edf --answer yes --answer yes --answer counter_base.mac \
  --answer 'func=tech.mac;pri=;base=counter_base.mac;pads=pads.mac;' -- \
  edif counter.edf --overwrite --vcc-to-vdd=yes --base-macros counter_base.mac \
  --include func=tech.mac,pri=,pads=pads.mac
row edif-no-vdd "counter.mac counter.wir k.ini" "rm counter.mac; sed -i 's/GND_NET/VCC/' counter.edf" -- \
  edif counter.edf --answer no --answer ok --answer no -- \
  edif counter.edf --no-base-macros --vcc-to-vdd=no
row edif-raise "counter.mac k.ini" "rm counter.mac; echo edif_instances=2 >> k.ini" -- \
  edif counter.edf --answer no --answer 'func=;pri=;base=;pads=;' --answer yes \
  --answer no --answer 'func=;pri=;base=;pads=;' -- \
  edif counter.edf --no-base-macros --include func=,pri=,base=,pads= --raise-capacities
row mac2vhd "fa.vhd ~fanout.txt k.ini" "" -- \
  mac2vhd fa.mac --answer 'm1=XOR9;m2=;m3=;=y;p1=ieee.numeric_std.all;p2=;std=n;' \
  --answer yes --answer ports.vhd --answer no -- \
  mac2vhd fa.mac --ignore-macro XOR9 --no-supply-ports --use ieee.numeric_std.all \
  --port-file ports.vhd --overwrite --fanout-report=no
row mac2vhd-keep "fa.vhd k.ini" "" -- \
  mac2vhd fa.mac --answer 'm1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;' --answer no -- \
  mac2vhd fa.mac --vhdl-standard --overwrite=no
row sim "sw.vhd sw2.vhd" "" -- sim sw.vhd --answer no --answer no --answer no --answer no -- \
  sim sw.vhd --overwrite=no
row nosim "sw.vhd sw2.vhd" "printf -- 'entity e is end;\r\n--ifdef SIM\r\n  x <= y after 1 ns;\r\n--else\r\n--  x <= y;\r\n--endif\r\n' | tee sw.vhd > sw2.vhd" \
  -- nosim sw.vhd --answer yes -- nosim sw.vhd --overwrite
row vhdout "tr/run.out tr/run.vcd k.ini" "" -- \
  vhdout abc.mac --answer tr/run.txt --answer 'supply=5;counts/volt=1000;limit=n;' -- \
  vhdout abc.mac --trace tr/run.txt --supply 5 --counts-per-volt 1000 --limit=no
row spice-clean "sp.spc k.ini" "" -- \
  spice-clean sp.spc --spc-noupr=1 --spc-noques=1 --spc-diodes=1 \
  --answer yes --answer cmd.sp --answer 'se=n;le=y;' --answer cancel -- \
  spice-clean sp.spc --spc-noupr=1 --spc-noques=1 --spc-diodes=1 --node-names cmd.sp \
  --spice-type extract --keep-unpaired=no
row net "abc.mac abc.net abc.out k.ini" "" -- \
  net abc.mac --nettran-to-disk=1 --answer "$d/scmossim.mac" --answer no --answer no -- \
  net abc.mac --nettran-to-disk=1 --tech-include "$d/scmossim.mac" --block-routes=no \
  --post-process=no
row tpr "abc.mac abc.tpr k.ini" "" -- \
  tpr abc.mac --answer "$d/scmostpr.mac" --answer pads.txt --answer yes --answer yes -- \
  tpr abc.mac --tech-include "$d/scmostpr.mac" --pads pads.txt --block-routes --post-process
row net-locate "autoexec.bat abc.mac k.ini" \
  "printf 'NETTRAN.EXE=nettran-missing.exe\nAUTOEXEC.BAT=%s/autoexec.bat\n' \$d >> k.ini" -- \
  net abc.mac --answer "$d/scmossim.mac" --answer no --answer "$d/tools/nettran.exe" \
  --answer ok -- \
  net abc.mac --tech-include "$d/scmossim.mac" --block-routes=no \
  --program "$d/tools/nettran.exe" --update-autoexec
row prune "abc.tmc" "" -- prune abc.mac -- prune abc.mac
row spice "abc.mac abc.spc" "cp abc.mac abc.tmc" -- \
  spice abc.mac --answer "$d/scmosspc.mac" -- spice abc.mac --tech-include "$d/scmosspc.mac"
row gatesim "abc.OUT" "" -- gatesim abc.mac -- gatesim abc.mac
row lvs "abc.lvs" "cp abc.mac abc.spc; cp abc.mac ledit/extract/l.spc" -- \
  lvs abc.mac --answer "$d/ledit/extract/l.spc" -- lvs abc.mac --layout "$d/ledit/extract/l.spc"
row a-cells "abc.mac" "" -- a-cells abc.mac -- a-cells abc.mac
row setup "abc.VEC abc.SIM" "" -- \
  setup abc.mac --answer '301=a,y' --answer no -- setup abc.mac --inputs a,y --echo-inputs=no
row extract "abc.DOC t.txt" "" -- \
  extract abc.OUT --answer '101=100;102=100;103=y;104=t.txt' --answer no -- \
  extract abc.OUT --start 100 --delta 100 --latest --to t.txt --view=no
row copy-mac "x.mac x.wir k.ini" "" -- \
  copy-mac abc.mac --answer "$d/src/x.mac" --answer yes -- \
  copy-mac abc.mac --source "$d/src/x.mac" --overwrite
row copy-spice "y.sp" "" -- copy-spice abc.mac --answer "$d/src/y.sp" -- \
  copy-spice abc.mac --source "$d/src/y.sp"
row reformat "f.txt" "" -- reformat abc.mac --answer f.txt --answer ok -- \
  reformat abc.mac --file f.txt --confirm

# Named options are checked before anything runs.
cd "$work"
"$kalvor" net --supply 5 2>err.txt; [ $? -eq 2 ] && grep -q 'supply is not asked by net' err.txt ||
  { echo "FAIL - an option the function does not ask"; fails=$((fails + 1)); }
"$kalvor" mac2vhd --use a --use b --use c 2>/dev/null; [ $? -eq 2 ] ||
  { echo "FAIL - a fourth --use"; fails=$((fails + 1)); }
"$kalvor" spice-clean --spice-type other 2>/dev/null; [ $? -eq 2 ] ||
  { echo "FAIL - a choice outside the list"; fails=$((fails + 1)); }
echo "$fails failed"
[ "$fails" -eq 0 ]
