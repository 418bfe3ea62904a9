#!/usr/bin/env bash
# GHDL check of the .mac to VHDL conversion: every VHDL file the converter
# writes for the full adder, for generated macro files (buses, analog ports,
# "in"/"out" names, ignored macros, continuation lines, several macros) and
# for the macro files the EDIF import writes from the corpus must pass
# `ghdl -s`.
#
# The converter's output relies on context that a VHDL design supplies
# elsewhere; the check supplies it, and says so:
#  - the components it instantiates (and the port type "analog") come from a
#    package, "work.kalvor_cells", named in the dialog's "Include packages"
#    field; the check writes that package from the instances it finds, with
#    "linkage" ports since a macro file does not say the ports' modes;
#  - the file has one "library IEEE;" line at its head, so every entity
#    after the first lacks it; an instance of a macro without ports is
#    written "port map ();" and a macro without ports "port ( );", both
#    empty lists that VHDL does not allow: the check mends these three in
#    its copy of the file and prints what it mended.
# Files whose names are not legal VHDL identifiers (names carried over from
# the netlist) are listed, not analysed.
#
# Standard VHDL (the dialog's last box, `--vhdl-standard`) needs none of
# this: the same files, and macro files with include files and hostile
# names, converted that way must pass `ghdl -a --std=93c` and `ghdl -e` of
# the top entity the converter names, as they are.
set -euo pipefail
root="$(cd "${1:-$(dirname "$0")/../..}" && pwd)"

. "$root/scripts/suite-env.sh"
suite_kalvor vhdl_ghdl
suite_needs vhdl_ghdl ghdl vhdl

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ini="$work/kalvor.ini"
printf '[RDMX]\r\nNETS=20000000\r\nkNETS=2000000\r\n' > "$ini"

# The last field (standard VHDL) is stored like the others: given each time.
with_supplies='m1=NC;m2=PORTPADA;m3=;=y;p1=work.kalvor_cells.all;p2=;std=n;'
without_supplies='m1=NC;m2=PORTPADA;m3=;=n;p1=work.kalvor_cells.all;p2=;std=n;'
checked=0
failed=0
noted=0

# --- helpers ---------------------------------------------------------------

cat > "$work/names.awk" <<'AWK'
# Prints the names of a converted file that are not legal VHDL identifiers,
# and the cell names that VHDL cannot tell from a signal or port of the same
# file (identifiers ignore letter case: a netlist's GND cell and the supply
# signal gnd).
BEGIN {
  split("abs access after alias all and architecture array assert attribute " \
        "begin block body buffer bus case component configuration constant " \
        "disconnect downto else elsif end entity exit file for function " \
        "generate generic group guarded if impure in inertial inout is label " \
        "library linkage literal loop map mod nand new next nor not null of " \
        "on open or others out package port postponed procedure process pure " \
        "range record register reject rem report return rol ror select " \
        "severity signal shared sla sll sra srl subtype then to transport " \
        "type unaffected units until use variable wait when while with xnor xor",
        words, " ")
  for (i in words) reserved[words[i]] = 1
}
function check(name) {
  if (name == "") return
  if (name !~ /^[A-Za-z]([A-Za-z0-9]|_[A-Za-z0-9])*$/ || (tolower(name) in reserved))
    if (!(name in bad)) { bad[name] = 1; printf "%s ", name }
}
{ sub(/\r$/, "") }
/^entity / { check($2) }
/^  [^ ]+ : inout / { check($1); data[tolower($1)] = $1 }
/^  signal / { n = $2; sub(/:$/, "", n); check(n); data[tolower(n)] = n }
/^  I[^ ]* : [^ ]+ port map \(/ {
  check($1); check($3); cells[tolower($3)] = $3
  actuals = $0; sub(/^[^(]*\(/, "", actuals); sub(/\);$/, "", actuals)
  count = split(actuals, a, ",")
  for (i = 1; i <= count; i++) { n = a[i]; sub(/\(.*$/, "", n); check(n) }
}
END {
  for (c in cells)
    if ((c in data) && !(cells[c] in bad)) { bad[cells[c]] = 1; printf "%s(cell and signal) ", cells[c] }
}
AWK

cat > "$work/package.awk" <<'AWK'
# Writes the package of the components a converted file instantiates.
{ sub(/\r$/, "") }
/^  I[^ ]* : [^ ]+ port map \(/ {
  actuals = $0; sub(/^[^(]*\(/, "", actuals); sub(/\);$/, "", actuals)
  count = actuals == "" ? 0 : split(actuals, a, ",")
  if (!($3 in ports) || ports[$3] < count) ports[$3] = count
}
END {
  print "library IEEE;"
  print "use IEEE.STD_LOGIC_1164.all;"
  print "package kalvor_cells is"
  print "  subtype analog is std_logic;"
  for (c in ports) {
    list = ""
    for (i = 1; i <= ports[c]; i++) list = list (i > 1 ? ", " : "") "p" i
    if (ports[c] > 0) print "  component " c " port (" list " : linkage std_logic); end component;"
    else print "  component " c " end component;"
  }
  print "end kalvor_cells;"
}
AWK

cat > "$work/adjust.awk" <<'AWK'
# The check's copy of a converted file: "library IEEE;" in front of every
# entity after the first; an instance without nodes ("port map ();") and an
# entity without ports ("port ( );") written without the empty list. Counts
# what it changed on standard error.
{ line = $0; sub(/\r$/, "", line) }
line == "use IEEE.STD_LOGIC_1164.all;" { if (seen) { printf "library IEEE;\r\n"; lib++ } seen = 1 }
line ~ / port map \(\);$/ { sub(/ port map \(\);/, ";"); maps++ }
line ~ /^entity [^ ]+ is port \( \);$/ { sub(/ port \( \);/, ""); ports++ }
{ print }
END {
  if (lib) printf "library clause repeated for %d entities; ", lib > "/dev/stderr"
  if (maps) printf "%d empty port maps; ", maps > "/dev/stderr"
  if (ports) printf "%d empty port lists; ", ports > "/dev/stderr"
}
AWK

# convert DIR NAME OPTIONS: kalvor mac2vhd on DIR/NAME.mac.
convert() {
  (cd "$1" && timeout 600 "$kalvor" mac2vhd "$2.mac" --ini "$ini" --answer "$3" --no \
     >/dev/null 2>"$2.log") || {
    echo "FAIL $2: kalvor mac2vhd ended with an error:"; tail -5 "$1/$2.log"; return 1; }
  [ -s "$1/$2.vhd" ] || { echo "FAIL $2: no VHDL file written"; return 1; }
}

# check VHD LABEL: ghdl -s on the converted file.
check() {
  local vhd="$1" label="$2" dir lib bad
  dir="$(dirname "$vhd")/ghdl-$label"
  mkdir -p "$dir"
  bad="$(awk -f "$work/names.awk" "$vhd")"
  if [ -n "$bad" ]; then
    echo "noted $label: names carried from the netlist are not legal VHDL here: ${bad:0:300}"
    noted=$((noted + 1))
    return 0
  fi
  awk -f "$work/package.awk" "$vhd" > "$dir/kalvor_cells.vhd"
  awk -f "$work/adjust.awk" "$vhd" > "$dir/$label.vhd" 2>"$dir/adjusted"
  [ -s "$dir/adjusted" ] && echo "note $label: for the check: $(cat "$dir/adjusted")"
  checked=$((checked + 1))
  if timeout 300 ghdl -a --workdir="$dir" "$dir/kalvor_cells.vhd" >"$dir/ghdl.log" 2>&1 &&
     timeout 300 ghdl -s --workdir="$dir" "$dir/$label.vhd" >>"$dir/ghdl.log" 2>&1; then
    echo "ok   $label"
  else
    echo "FAIL $label: ghdl rejects the converted file:"
    head -20 "$dir/ghdl.log"
    failed=$((failed + 1))
  fi
}

# standard DIR NAME OPTIONS: converts DIR/NAME.mac to standard VHDL (the
# dialog's "standard VHDL" box ticked, without the check's package) and analyses
# and elaborates it unchanged.
standard() {
  local dir="$1" name="$2" lib="$1/ghdl-standard" top escaped options="${3/work.kalvor_cells.all/}"
  options="${options/std=n;/std=y;}"
  rm -f "$dir/$name.vhd"
  if ! (cd "$dir" && timeout 600 "$kalvor" mac2vhd "$name.mac" --ini "$ini" --answer "$options" \
          --no </dev/null >/dev/null 2>"$name.standard.log"); then
    echo "FAIL standard $name: kalvor mac2vhd ended with an error:"; tail -5 "$dir/$name.standard.log"
    failed=$((failed + 1)); return 0
  fi
  top="$(sed -n 's/^\[Standard VHDL\] Top-level entity: //p' "$dir/$name.standard.log")"
  rm -rf "$lib"
  mkdir -p "$lib"
  checked=$((checked + 1))
  if timeout 300 ghdl -a --std=93c --workdir="$lib" "$dir/$name.vhd" >"$lib/ghdl.log" 2>&1 &&
     (cd "$lib" && timeout 300 ghdl -e --std=93c --workdir=. "$top") >>"$lib/ghdl.log" 2>&1; then
    escaped="$({ grep -v '^--' "$dir/$name.vhd" | grep -o '\\[^\\]*\\' || true; } | sort -u | wc -l)"
    echo "ok   standard $name (top $top, $escaped extended identifiers)"
  else
    echo "FAIL standard $name: ghdl rejects the file or its top '$top':"
    grep -v ':warning:' "$lib/ghdl.log" | head -20
    failed=$((failed + 1))
  fi
}

# run LABEL OPTIONS: converts $work/LABEL/LABEL.mac and checks the result,
# then does the same in standard VHDL.
run() {
  if convert "$work/$1" "$1" "$2"; then
    check "$work/$1/$1.vhd" "$1"
  else
    failed=$((failed + 1))
  fi
  standard "$work/$1" "$1" "$2"
}

new_case() { mkdir -p "$work/$1"; cat > "$work/$1/$1.mac"; }

# --- the full adder ---------------------------------------------------------

printf '<cells.mac>\r\n.macro FA A B CI S CO\r\n<U1 XOR2 A B N1\r\n<U2 XOR2 N1 CI S\r\n.eom\r\n' |
  new_case fa
run fa "$without_supplies"

# --- generated macro files --------------------------------------------------

new_case features <<'MAC'
<\vazevari\nettran\scmos\scms2tpr.mac>
$ a comment line
.macro REG D0 D1 D2 D3 Q CLK
$vector d
<U1 LATCH4 D0 D1 D2 D3 Q CLK
<U2 INV Q QB
.eom
.macro DOWN B3 B2 B1 B0 Y
$vector b
<U1 AND4 B3 B2 B1 B0 Y
.eom
.macro AMP VIN VOUT EN vdd gnd
$analog vin vout
<U1 OPAMP VIN VOUT EN vdd gnd
.eom
.macro BUF In Out
<U1 INV In N1
<U2 INV N1 Out
.eom
.macro TOP A3 A2 A1 A0 CLK Y In OUT
$vector a
<R1 REG A0 A1 A2 A3 Y CLK
<N1 NC A0
<P1 PORTPADA A1 PAD_1
<P2 portpada A2 PAD_2
<U3 NAND2 In OUT N5
$ a note between the instances
<U4 INV x1<o inst_n7
<U5 INV 3v Y
<U6 BUF N5
+ N6
<EXTINV_1 EXTINV N6 EXTINV_1<O
<fb1 BUF4 N7_fanbust N7
<U7 INV EXTINV_1<O N7_fanbust
<PADS PADS
.eom
MAC
run features "$with_supplies"

# Ports of the top macro copied from a VHDL file named by the generator tag.
new_case portdef <<'MAC'
$written by hdl_emit top=core
.macro CORE CLK DATA0 DATA1 SENSE
<U1 DFF CLK DATA0 Q1 N1
<U2 DFF CLK DATA1 Q0 N2
<U3 AMPI SENSE N1
.eom
.macro SUB A Y
<U1 INV A Y
.eom
MAC
cat > "$work/portdef/core.vhd" <<'VHD'
-- the top level of the design
library ieee;
use ieee.std_logic_1164.all;
entity CORE is
  port (
    clk   : in  std_logic;   -- the clock
    data  : out std_logic_vector(1 downto 0);
    sense : inout analog;
    q     : buffer std_logic_vector(1 downto 0));
end CORE;
VHD
run portdef "$without_supplies"

# Many macros with buses of every width, wrapped headers and wide instances.
awk 'BEGIN {
  for (m = 1; m <= 60; m++) {
    w = m % 9 + 1
    header = ".macro BLK" m
    for (i = 0; i < w; i++) header = header " Q" i
    header = header " CLK EN In Out"
    line = ""
    n = split(header, words, " ")
    for (i = 1; i <= n; i++) {
      if (length(line) + length(words[i]) + 1 > 70 && line != "") { print line "\r"; line = "+" words[i] }
      else line = (line == "" ? words[i] : line " " words[i])
    }
    print line "\r"
    print "$vector q\r"
    for (i = 0; i < w; i++) print "<U" i " DFF CLK N" i " Q" i "\r"
    for (i = 0; i < w; i++) print "<G" i " NAND2 EN Q" i " N" i "\r"
    print "<T1 TRI In Out EN\r"
    if (m > 1) print "<B1 BLK" m - 1 " CLK EN In Out\r"
    print "<NC1 NC Q0\r"
    print ".eom\r"
    print "\r"
  }
}' | new_case generated
run generated "$without_supplies"

# --- macro files imported from the EDIF corpus -------------------------------

corpus="$root/tests/corpus/edif"
probe="$work/edif-probe"
mkdir -p "$probe"
printf '(edif probe)\n' > "$probe/probe.edf"
(cd "$probe" && timeout 60 "$kalvor" edif probe.edf --ini "$ini" --no </dev/null \
   >/dev/null 2>"$probe/log") || true
# The corpus is part of the repository: a missing one is a failure, not a
# reason to check less.
if grep -q 'is not available in this version' "$probe/log"; then
  echo "FAIL: 'kalvor edif' is not available in this build"
  failed=$((failed + 1))
elif [ ! -d "$corpus" ]; then
  echo "FAIL: no EDIF corpus at $corpus"
  failed=$((failed + 1))
else
  for edf in "$corpus"/*.edf; do
    name="$(basename "$edf" .edf | tr 'A-Z' 'a-z')"
    dir="$work/edif-$name"
    mkdir -p "$dir"
    cp "$edf" "$dir/$name.edf"
    # The import's questions and dialogs take their default answers.
    (cd "$dir" && timeout 600 "$kalvor" edif "$name.edf" --ini "$ini" --yes </dev/null \
       >/dev/null 2>"$dir/import.log") || true
    if [ ! -s "$dir/$name.mac" ]; then
      echo "FAIL edif-$name: the EDIF import wrote no macro file:"
      tail -3 "$dir/import.log"
      failed=$((failed + 1))
      continue
    fi
    if convert "$dir" "$name" "$with_supplies"; then
      check "$dir/$name.vhd" "edif-$name"
    else
      failed=$((failed + 1))
    fi
    standard "$dir" "$name" "$with_supplies"
    standard "$dir" "$name" "$without_supplies"
  done
  # The example design, whose macro file includes its base macro file.
  KALVOR="$kalvor" bash "$root/examples/run.sh" "$work/example" >"$work/example.log" 2>&1 ||
    { echo "FAIL example: the EDIF import failed"; failed=$((failed + 1)); }
  standard "$work/example" counter "$without_supplies"
fi

# --- standard VHDL: include files and hostile names --------------------------

# Port names from include files (nested, relative to the test directory, a
# bus among them); a macro defined nowhere gets p1..pN.
mkdir -p "$work/included/lib"
printf '.macro XOR2 A B Y\r\n.eom\r\n<lib/regs.mac>\r\n' > "$work/included/cells.mac"
printf '.macro REG4 D0 D1 D2 D3 CLK Q\r\n$vector d\r\n.eom\r\n' > "$work/included/lib/regs.mac"
new_case included <<'MAC'
<cells.mac>
.macro TOP A B C CLK Q
<U1 XOR2 A B N1
<U2 REG4 N1 A B C CLK Q
<U3 DFF N1 CLK
.eom
MAC
standard "$work/included" included "$without_supplies"
grep -q '    A : inout std_logic;' "$work/included/included.vhd" &&
  grep -q '    D : inout std_logic_vector (3 downto 0);' "$work/included/included.vhd" &&
  grep -q '    p2 : linkage std_logic);' "$work/included/included.vhd" ||
  { echo "FAIL standard included: components not declared from the include files"; failed=$((failed + 1)); }

# Names no VHDL tool takes as they are, and names that collide: reserved
# words, trailing and double underscores, "$", brackets, a backslash, a
# control byte, the type names, a GND cell beside the gnd supply, a port
# named like a macro, a label like a net, duplicate instance names, a bus
# with a hole, instances with too few, too many and no nodes.
{
  printf '.macro SIGNAL A\r\n<U1 AND A\r\n.eom\r\n'
  printf '.macro BUS4 D0 D1 D3 Y\r\n$vector d\r\n<U1 INV D3 Y\r\n.eom\r\n'
  printf '.macro kalvor_types signal std_logic\r\n.eom\r\n'
  printf '.macro TOP A_ B__C $x [3] vdd bus4\r\n'
  printf '<U1 SIGNAL A_\r\n<U1 and B__C iu2\r\n<U2 GND gnd\r\n<U3 BUS4 $x [3]\r\n'
  printf '<U4 BUS4 a\\b n\x85x std_logic analog in out extra\r\n<U5 EMPTY\r\n'
  printf '<U6 kalvor_types 3v NN_3v\r\n<U7 CELL nn_3v gnd vdd\r\n.eom\r\n'
} | new_case hostile
standard "$work/hostile" hostile "$without_supplies"
standard "$work/hostile" hostile "$with_supplies"

# Nets, ports and buses that differ in letter case only are different nets:
# each keeps a signal of its own (the later one an extended identifier), the
# component's ports match the entity's.
{
  printf '.macro SUB a A q0 Q0 Q1\r\n$vector q\r\n<U1 INV a A\r\n.eom\r\n'
  printf '.macro TOP x X\r\n<U1 INV net Net\r\n<U2 INV NET x\r\n<S1 SUB x X net Net NET\r\n.eom\r\n'
} | new_case cased
standard "$work/cased" cased "$without_supplies"
cased="$(tr -d '\r' < "$work/cased/cased.vhd")"
for line in '  signal net : std_logic;' '  signal \Net\ : std_logic;' '  signal \NET\ : std_logic;' \
            '  \A\ : inout std_logic;' '  \Q\ : inout std_logic_vector (1 downto 0) );' \
            '  Iu1 : inv port map (net,\Net\);' \
            '  Is1 : sub port map (a => x,\A\ => \X\,q(0) => net,\Q\(0) => \Net\,\Q\(1) => \NET\);'; do
  grep -qxF -- "$line" <<<"$cased" ||
    { echo "FAIL standard cased: nets that differ in case only are not kept apart ($line)"; failed=$((failed + 1)); }
done

echo "vhdl_ghdl: $checked file(s) accepted by ghdl, $noted noted, $failed failure(s)"
[ "$failed" -eq 0 ]
