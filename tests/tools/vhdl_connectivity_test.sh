#!/usr/bin/env bash
# Converts macro files to VHDL in both formats (the long-standing one with and
# without the "NO Vdd/Gnd" box, and standard VHDL) and checks each VHDL file
# with vhdlcheck against the macro file it came from: every macro, instance,
# pin and net kept, nothing merged. The macro files: those `kalvor edif`
# imports from every corpus netlist, the example (with its base file), the
# netlists of tests/tools/netlists and the Verilog netlists of
# tests/tools/verilog, and hand-written ones with the names that used to be
# lost (names of any length, names that normalise or lowercase alike, supply
# nodes, instances without nodes).
# Usage: vhdl_connectivity_test.sh KALVOR VHDLCHECK SOURCE_DIR
set -u
shopt -s nullglob
kalvor="$1"; vhdlcheck="$2"; src="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
checked=0
printf '[RDMX]\r\nNETS=100000\r\nkNETS=10000\r\n' > "$work/k.ini"

# check DIR NAME LABEL [FORMS]: converts DIR/NAME.mac each way (all three
# unless FORMS names some) and checks each result.
check() {
  local dir="$1" name="$2" label="$3" forms="${4:-default default-nosupply standard}" form answer flags
  for form in $forms; do
    answer='m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=n;'
    flags=()
    case "$form" in
      default-nosupply) answer='m1=NC;m2=PORTPADA;m3=;=y;p1=;p2=;std=n;'; flags=(--no-supply) ;;
      standard) answer='m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;'; flags=(--standard) ;;
    esac
    rm -f "$dir/$name.vhd"
    if ! (cd "$dir" && timeout 600 "$kalvor" mac2vhd "$name.mac" --ini "$work/k.ini" \
            --answer "$answer" --no </dev/null >/dev/null 2>"$dir/$form.log"); then
      echo "FAIL: $label ($form): mac2vhd failed"; tail -3 "$dir/$form.log"
      failures=$((failures + 1)); continue
    fi
    checked=$((checked + 1))
    cp "$dir/$name.vhd" "$dir/$name.$form.vhd"
    if "$vhdlcheck" "$dir/$name.mac" "$dir/$name.vhd" "${flags[@]}" >"$dir/$form.check" 2>&1; then
      echo "ok: $label ($form): $(tail -n 1 "$dir/$form.check")"
    else
      echo "FAIL: $label ($form)"; sed 's/^/    /' "$dir/$form.check" | head -30
      failures=$((failures + 1))
    fi
  done
}

# import SOURCE NAME DIR: `kalvor edif` into DIR/NAME.mac.
import() {
  local source="$1" name="$2" dir="$3" ext="${1##*.}"
  mkdir -p "$dir"
  cp "$source" "$dir/$name.$ext"
  if ! timeout 600 "$kalvor" edif "$dir/$name.$ext" --ini "$dir/k.ini" --answer no \
      --answer 'func=;pri=;base=;pads=;' --no >/dev/null 2>"$dir/import.log"; then
    echo "FAIL: $name: import failed"; tail -3 "$dir/import.log"
    failures=$((failures + 1)); return 1
  fi
}

for source in "$src"/tests/corpus/edif/*.edf "$src"/tests/tools/netlists/*.edf "$src"/tests/tools/netlists/*.v \
              "$src"/tests/tools/verilog/*.vg; do
  case "$source" in *.ref.edf) continue ;; esac
  base="$(basename "$source")"
  name="${base%.*}"
  # The long-standing format writes names as they are, which VHDL cannot
  # hold for most of escaped.v's: standard VHDL only.
  forms=""
  [ "$base" = escaped.v ] && forms=standard
  import "$source" "$name" "$work/$base" && check "$work/$base" "$name" "$base" $forms
done

# A flat gate-level netlist of a million cells: a body too large for the
# conversion to keep, read again by its main pass (some 20 s and 1.5 GB for
# vhdlcheck in each form). The import may take that many instances in a cell.
unzip -o -q "$src/tests/corpus/large/patmos_user_project_wrapper.v.zip" -d "$work/large" &&
  mkdir -p "$work/patmos" && printf '[RDMX]\nedif_instances=2000000\n' >"$work/patmos/k.ini" &&
  import "$work/large/patmos_user_project_wrapper.v" patmos "$work/patmos" &&
  check "$work/patmos" patmos patmos_user_project_wrapper.v
rm -rf "$work/large"

# The example with its base file, as examples/run.sh imports it.
if KALVOR="$kalvor" bash "$src/examples/run.sh" "$work/example" >"$work/example.log" 2>&1; then
  check "$work/example" counter example
else
  echo "FAIL: example: import failed"; tail -3 "$work/example.log"; failures=$((failures + 1))
fi

# Names the conversion used to lose or merge: a 70-character instance and
# nets of 63 to 200 characters, nets that only differ in letter case or that
# normalise alike (inst_n5 / n5, x1<o / x1_o, in / in1, 3v / NN_3v), supply
# nodes in the body, duplicate instance names, an instance without nodes, a
# macro without ports.
mkdir -p "$work/lost"
long70="$(printf 'u_%068d' 7)"
net63="$(printf 'n%062d' 1)"
net200="$(printf 'w%0199d' 2)"
{
  printf '.macro LEAF A Y\r\n<U1 INV A Y\r\n.eom\r\n'
  printf '.macro NOPORTS\r\n<T1 TIE vdd\r\n.eom\r\n'
  printf '.macro TOP A a In Out %s\r\n' "$net63"
  printf '<%s LEAF A %s\r\n' "$long70" "$net200"
  printf '<U2 LEAF a %s\r\n' "$net63"
  printf '<U3 NAND2 inst_n5 n5 x1<o\r\n<U4 NAND2 x1_o In in1\r\n<U5 NAND2 3v NN_3v Out\r\n'
  printf '<U6 INV vdd VDD_x\r\n<U6 INV gnd Gnd\r\n<U7 FILL\r\n<U8 NOPORTS\r\n'
  printf '<u9 INV N1 n1\r\n<U9 INV %s\r\n+ %s\r\n.eom\r\n' "$net200" "$net63"
} > "$work/lost/lost.mac"
check "$work/lost" lost lost-names

# The checker itself must fail a VHDL file that merges two nets, drops an
# instance or uses a name it does not declare.
lost="$work/lost"
if [ -s "$lost/lost.default.vhd" ]; then
  n=0
  for mutation in 's/(n5,\\n5\\,x1_o)/(n5,n5,x1_o)/' '/Iu7 : fill/d' \
                  's/  signal \\n1\\ : std_logic;/  signal n1 : std_logic;/'; do
    n=$((n + 1))
    sed "$mutation" "$lost/lost.default.vhd" > "$lost/mutant$n.vhd"
    if cmp -s "$lost/lost.default.vhd" "$lost/mutant$n.vhd"; then
      echo "FAIL: mutation $n ($mutation) changed nothing"; failures=$((failures + 1))
    elif "$vhdlcheck" "$lost/lost.mac" "$lost/mutant$n.vhd" >"$lost/mutant$n.check" 2>&1; then
      echo "FAIL: vhdlcheck passes a VHDL file mutated by $mutation"; failures=$((failures + 1))
    else
      echo "ok: vhdlcheck finds mutation $n: $(head -n 1 "$lost/mutant$n.check" | cut -c1-100)"
    fi
  done
fi

echo "vhdl_connectivity: $checked VHDL file(s) checked, $failures failure(s)"
[ "$failures" -eq 0 ]
