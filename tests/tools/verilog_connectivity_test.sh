#!/usr/bin/env bash
# Yosys writes each design as EDIF (write_edif) and as a structural Verilog
# netlist (write_verilog -noattr -noexpr); `kalvor edif` imports both, and
# the two macro files must connect the same pins (mac_canon.awk: nets by
# their members, constants as the GND/VCC cells of the EDIF or the supply
# nodes of the Verilog). Each macro file is also checked with netcheck
# against the netlist it came from (its own EDIF and Verilog readers), and
# so are the hand-written netlists tests/tools/verilog/*.vg.
# Usage: verilog_connectivity_test.sh KALVOR NETCHECK SOURCE_DIR
set -u
kalvor="$1"; netcheck="$2"; src="$3"
here="$src/tests/tools/verilog"
if ! command -v yosys >/dev/null; then
  echo "yosys is missing (scripts/install-deps.sh edif)"; exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
# design|top|synth options|forms: the example flattened, the others
# hierarchical; "v" only for a design the EDIF names differently.
designs=("$src/examples/counter.v|counter|-flatten|edf v" "$here/hier.v|hier||edf v"
         "$here/mux.v|mux||edf v" "$here/ascend.v|ascend||v")
for entry in "${designs[@]}"; do
  IFS='|' read -r source top flatten forms <<<"$entry"
  dir="$work/$top"
  mkdir -p "$dir/edf" "$dir/v"
  sed -e "s|DESIGN|$source|; s|TOP|$top|; s|FLATTEN|$flatten|" "$here/synth.ys.in" >"$dir/synth.ys"
  if ! yosys -q -p "script $dir/synth.ys; write_edif $dir/edf/$top.edf; write_verilog -noattr -noexpr $dir/v/$top.v" \
      >"$dir/yosys.log" 2>&1; then
    echo "FAIL: $top: yosys"; head -20 "$dir/yosys.log"; failures=$((failures + 1)); continue
  fi
  ok=1
  for form in $forms; do
    if ! "$kalvor" edif "$dir/$form/$top.$form" --ini "$dir/k.ini" --answer no \
        --answer 'func=;pri=;base=;pads=;' --no >"$dir/$form.out" 2>"$dir/$form.err"; then
      echo "FAIL: $top: import of the .$form"; head -10 "$dir/$form.err"; ok=0; continue
    fi
    # A module named like a gate cell of Yosys's library (mux, MUX) is a
    # cell of another library in the EDIF, written as NAME_DESIGN; the
    # Verilog has no libraries, and its module, written after the gate cell
    # and named like it but for letter case, is written as NAME_2.
    suffix=_DESIGN; [ "$form" = v ] && suffix=_2
    awk -f "$here/mac_canon.awk" "$dir/$form/$top.mac" | sed -E "s/^M\\|([^|]*)$suffix\\|/M|\\1|/" |
      sort >"$dir/$form.canon"
  done
  [ "$ok" = 1 ] || { failures=$((failures + 1)); continue; }
  for form in $forms; do
    if ! "$netcheck" "$dir/$form/$top.$form" "$dir/$form/$top.mac" >"$dir/netcheck.txt" 2>&1; then
      echo "FAIL: $top: the macro file of the .$form"; head -20 "$dir/netcheck.txt"; ok=0
    fi
  done
  [ "$ok" = 1 ] || { failures=$((failures + 1)); continue; }
  if [ "$forms" = v ]; then
    echo "ok: $top: the Verilog's macro file keeps its connectivity"; continue
  fi
  if ! diff "$dir/edf.canon" "$dir/v.canon" >"$dir/diff.txt"; then
    echo "FAIL: $top: EDIF and Verilog macro files differ"; head -40 "$dir/diff.txt"
    failures=$((failures + 1)); continue
  fi
  echo "ok: $top: same connectivity from EDIF and Verilog ($(grep -c '|net|' "$dir/v.canon") nets," \
       "$(grep -c '|inst|' "$dir/v.canon") instances)"
done
for vg in "$here"/*.vg; do
  name="$(basename "$vg" .vg)"
  mkdir -p "$work/$name"
  cp "$vg" "$work/$name/"
  if ! "$kalvor" edif "$work/$name/$name.vg" --ini "$work/$name/k.ini" --answer no \
      --answer 'func=;pri=;base=;pads=;' --no >/dev/null 2>"$work/$name/err" ||
    ! "$netcheck" "$vg" "$work/$name/$name.mac" >"$work/$name/check.txt" 2>&1; then
    echo "FAIL: $name.vg"; head -20 "$work/$name/err" "$work/$name/check.txt"; failures=$((failures + 1))
  else
    echo "ok: $name.vg: $(tail -n 1 "$work/$name/check.txt")"
  fi
done
[ "$failures" -eq 0 ] || { echo "$failures design(s) failed"; exit 1; }
echo "every design has the same connectivity from EDIF and Verilog"
