#!/usr/bin/env bash
# Simulation suite of the .mac to VHDL conversion: small designs of its own
# (tests/sim/designs.v: sequential, combinational, hierarchical, buses both
# ways, ports wired together, names longer than 62 characters) are mapped
# by Yosys onto the suite's own cell library (tests/sim/cells.v,
# cells.vhd), written as EDIF and as a Verilog netlist, imported from each
# by `kalvor edif`, converted by `kalvor mac2vhd` to standard VHDL (ports
# with the netlist's directions) with the cell library named in
# "Include packages" (cells.all), and simulated by GHDL with a testbench
# that binds the top entity by port name. Icarus Verilog simulates the same
# netlist with the same stimulus; the two must agree on every output in
# every cycle. The converted VHDL must also leave the cells unbound without
# the library, and a one-gate mutation of a macro file must make the
# simulations differ.
set -euo pipefail
root="$(cd "${1:-$(dirname "$0")/../..}" && pwd)"

. "$root/scripts/suite-env.sh"
suite_kalvor vhdl_sim
suite_needs vhdl_sim ghdl vhdl
suite_needs vhdl_sim yosys vhdl
suite_needs vhdl_sim iverilog vhdl

sim="$root/tests/sim"
# The connectivity checker of the build, when there is one: every converted
# file is also compared with its macro file, nets and instances counted.
vhdlcheck="${VHDLCHECK:-$(dirname "$kalvor")/../tests/tools/netcheck/vhdlcheck}"
[ -x "$vhdlcheck" ] || vhdlcheck=""
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ini="$work/kalvor.ini"
printf '[RDMX]\r\n' > "$ini"
cycles=200
failed=0
compared=0

# design|inputs|outputs[|library]: each port NAME or NAME[LEFT:RIGHT] as
# the design declares it; a 1-bit "rst" or "load" is held at 1 for the
# first two cycles, then is 1 in about one cycle of four. The inputs take
# fresh bits of a 16-bit LFSR each cycle (16 steps), the same in both
# testbenches, each bit by its index. The library is "cells" (the suite's
# cells, onto which Yosys maps) or "gates" (Yosys's own gate cells, whose
# names its EDIF writes as per-design identifiers with the name renamed).
designs=(
  "counter4|clk rst en|q[3:0] carry"
  "adder4|a[3:0] b[0:3] cin|s[4:0] a_gt_b"
  "shift_top|clk load data[7:0] serial_input_of_the_shift_register_chain_with_a_name_beyond_62_x|q[7:0] parity_of_all_the_stages_of_the_shift_register_chain_beyond_62_x"
  "seqdet|clk rst x|found state[1:0]"
  "shift_wired|clk din|q[7:0] so"
  "bus_order|clk a[7:0] b[0:7]|x[0:7] y[7:0] r[11:4]"
  "counter4|clk rst en|q[3:0] carry|gates"
  "bus_order|clk a[7:0] b[0:7]|x[0:7] y[7:0] r[11:4]|gates"
)

# Analyse each cell library into its own library once.
for lib in cells gates; do
  mkdir -p "$work/$lib"
  ghdl -a --std=93c --work=$lib --workdir="$work/$lib" "$sim/$lib.vhd"
done

# bits PORTS: "name index" per bit, a bus's bits from its left index
# ("name -" for a one-bit port).
bits() {
  local p name left right i
  for p in $1; do
    if [[ "$p" =~ ^(.*)\[([0-9]+):([0-9]+)\]$ ]]; then
      name="${BASH_REMATCH[1]}"; left="${BASH_REMATCH[2]}"; right="${BASH_REMATCH[3]}"
      if [ "$left" -ge "$right" ]; then
        for ((i = left; i >= right; i--)); do echo "$name $i"; done
      else
        for ((i = left; i <= right; i++)); do echo "$name $i"; done
      fi
    else
      echo "$p -"
    fi
  done
}

# vhdl_type PORT: the VHDL type of a port as the design declares it.
vhdl_type() {
  if [[ "$1" =~ ^(.*)\[([0-9]+):([0-9]+)\]$ ]]; then
    local d=downto; [ "${BASH_REMATCH[2]}" -ge "${BASH_REMATCH[3]}" ] || d=to
    echo "std_logic_vector (${BASH_REMATCH[2]} $d ${BASH_REMATCH[3]})"
  else
    echo "std_logic"
  fi
}
port_name() { echo "${1%%\[*}"; }

# expected_ports INPUTS OUTPUTS: the top module's port list as the entity
# must declare it ("name mode type", sorted).
expected_ports() {
  local p
  for p in $1; do echo "$(port_name "$p") in $(vhdl_type "$p")"; done
  for p in $2; do echo "$(port_name "$p") out $(vhdl_type "$p")"; done
} 
entity_ports() {
  awk -v top="$2" '{ sub(/\r$/, "") } $0 ~ "^entity " top " is" { on = 1; next }
       on && /^end / { exit } on { sub(/^ +/, ""); sub(/;$/, ""); sub(/ \)$/, "");
       sub(/ : /, " "); print }' "$1" | sort
}

# vhdl_tb TOP INPUTS OUTPUTS: a testbench that binds the converted entity by
# port name, a bus to a vector of the design's range.
vhdl_tb() {
  local top="$1" ins="$2" outs="$3" p name i n sep
  {
    echo "library ieee; use ieee.std_logic_1164.all; use std.textio.all;"
    echo "entity tb is end;"
    echo "architecture sim of tb is"
    echo "  signal clk_tb : std_logic := '0';"
    for p in $ins; do [ "$p" = clk ] || echo "  signal in_$(port_name "$p") : $(vhdl_type "$p");"; done
    for p in $outs; do echo "  signal out_$(port_name "$p") : $(vhdl_type "$p");"; done
    echo "begin"
    echo "  dut : entity work.$top port map ("
    sep=""
    for p in $ins $outs; do
      name="$(port_name "$p")"
      if [ "$p" = clk ]; then printf '%s    clk => clk_tb' "$sep"
      elif [[ " $ins " == *" $p "* ]]; then printf '%s    %s => in_%s' "$sep" "$name" "$name"
      else printf '%s    %s => out_%s' "$sep" "$name" "$name"; fi
      sep=$',\n'
    done
    echo ");"
    echo "  process"
    echo "    variable lfsr_tb : std_logic_vector(15 downto 0) := x\"ACE1\";"
    echo "    variable l : line;"
    echo "    function ch(v : std_logic) return character is begin"
    echo "      case v is when '0' => return '0'; when '1' => return '1'; when 'Z' => return 'z'; when others => return 'x'; end case;"
    echo "    end function;"
    echo "  begin"
    echo "    for cycle in 0 to $((cycles - 1)) loop"
    echo "      for step in 1 to 16 loop"
    echo "        lfsr_tb := lfsr_tb(14 downto 0) & (lfsr_tb(15) xor lfsr_tb(13) xor lfsr_tb(12) xor lfsr_tb(10));"
    echo "      end loop;"
    n=0
    while read -r name i; do
      if [ "$name" != clk ]; then
        local sig="in_$name"; [ "$i" = - ] || sig="in_$name($i)"
        if [ "$i" = - ] && { [ "$name" = rst ] || [ "$name" = load ]; }; then
          echo "      if cycle < 2 then $sig <= '1'; else $sig <= lfsr_tb($((n % 16))) and lfsr_tb($(((n + 8) % 16))); end if;"
        else
          echo "      $sig <= lfsr_tb($((n % 16)));"
        fi
      fi
      n=$((n + 1))
    done < <(bits "$ins")
    echo "      wait for 2 ns; clk_tb <= '1'; wait for 3 ns;"
    echo "      write(l, string'(\"cycle \")); write(l, cycle); write(l, ' ');"
    bits "$outs" | tac | while read -r name i; do
      [ "$i" = - ] && echo "      write(l, ch(out_$name));" || echo "      write(l, ch(out_$name($i)));"
    done
    echo "      writeline(output, l);"
    echo "      clk_tb <= '0'; wait for 5 ns;"
    echo "    end loop;"
    echo "    wait;"
    echo "  end process;"
    echo "end;"
  }
}

# verilog_tb TOP INPUTS OUTPUTS: the same stimulus on the netlist.
verilog_tb() {
  local top="$1" ins="$2" outs="$3" p name i n=0 range
  {
    echo "module tb;"
    echo "  reg [15:0] lfsr_tb = 16'hACE1;"
    echo "  reg clk_tb = 0;"
    for p in $ins $outs; do
      [ "$p" = clk ] && continue
      range=""; [[ "$p" == *\[* ]] && range="[${p#*\[}"
      if [[ " $ins " == *" $p "* ]]; then echo "  reg $range $(port_name "$p");"; else echo "  wire $range $(port_name "$p");"; fi
    done
    printf '  %s dut (' "$top"
    local sep=""
    for p in $ins $outs; do
      name="$(port_name "$p")"
      if [ "$name" = clk ]; then printf '%s.clk(clk_tb)' "$sep"; else printf '%s.%s(%s)' "$sep" "$name" "$name"; fi
      sep=", "
    done
    echo ");"
    echo "  integer cycle;"
    echo "  initial begin"
    echo "    for (cycle = 0; cycle < $cycles; cycle = cycle + 1) begin"
    echo "      repeat (16) lfsr_tb = {lfsr_tb[14:0], lfsr_tb[15] ^ lfsr_tb[13] ^ lfsr_tb[12] ^ lfsr_tb[10]};"
    while read -r name i; do
      if [ "$name" != clk ]; then
        local bit="$name"; [ "$i" = - ] || bit="$name[$i]"
        if [ "$i" = - ] && { [ "$name" = rst ] || [ "$name" = load ]; }; then
          echo "      $bit = cycle < 2 ? 1'b1 : lfsr_tb[$((n % 16))] & lfsr_tb[$(((n + 8) % 16))];"
        else
          echo "      $bit = lfsr_tb[$((n % 16))];"
        fi
      fi
      n=$((n + 1))
    done < <(bits "$ins")
    echo "      #2 clk_tb = 1; #3;"
    printf '      $display("cycle %%0d %s", cycle' "$(bits "$outs" | awk '{printf "%%b"}')"
    bits "$outs" | tac | while read -r name i; do
      [ "$i" = - ] && printf ', %s' "$name" || printf ', %s[%s]' "$name" "$i"
    done
    echo ");"
    echo "      clk_tb = 0; #5;"
    echo "    end"
    echo "    \$finish;"
    echo "  end"
    echo "endmodule"
  }
}

# convert DIR NAME [LIBRARY]: the macro file to standard VHDL with the cell
# library (cells by default).
convert() {
  rm -f "$1/$2.vhd"
  (cd "$1" && timeout 300 "$kalvor" mac2vhd "$2.mac" --ini "$ini" \
     --answer "m1=NC;m2=PORTPADA;m3=;=n;p1=${3:-cells}.all;p2=;std=y;" --no </dev/null >/dev/null 2>"$2.convert.log")
}

# ghdl_run DIR NAME TOP [LIBRARY]: analyses, elaborates and runs; the output
# in DIR/ghdl.txt.
ghdl_run() {
  local dir="$1" name="$2" top="$3" lib="$1/lib" cells="$work/${4:-cells}"
  rm -rf "$lib"; mkdir -p "$lib"
  ghdl -a --std=93c --workdir="$lib" -P"$cells" "$dir/$name.vhd" &&
    ghdl -a --std=93c --workdir="$lib" -P"$cells" "$dir/tb.vhd" &&
    (cd "$lib" && ghdl -e --std=93c --workdir=. -P"$cells" tb && ghdl -r --std=93c --workdir=. -P"$cells" tb) \
      > "$dir/ghdl.txt" 2> "$dir/ghdl.log"
}

# instances VHD: the instance statements of the converted file.
instances() {
  awk '{ sub(/\r$/, "") } /^architecture / { body = 0 } /^begin$/ { body = 1 }
       body && /^  [^ ]+ : [^ ]+( port map \(|;$)/ { n++ } END { print n + 0 }' "$1"
}

for entry in "${designs[@]}"; do
  IFS='|' read -r top ins outs cells <<<"$entry"
  cells="${cells:-cells}"
  dir="$work/$top"; [ "$cells" = cells ] || dir="$work/$top-$cells"
  mkdir -p "$dir"
  # The gates library keeps Yosys's own cell names: no mapping onto the suite's cells.
  sed -e "s|DESIGN|$sim/designs.v|; s|TOP|$top|" "$sim/synth.ys.in" |
    { if [ "$cells" = gates ]; then grep -v '^chtype'; else cat; fi; } > "$dir/synth.ys"
  if ! yosys -q -p "script $dir/synth.ys; write_edif -pvector bra $dir/$top.edf; write_verilog -noattr -noexpr $dir/netlist.v" \
       >"$dir/yosys.log" 2>&1; then
    echo "FAIL $top: yosys"; head -20 "$dir/yosys.log"; failed=$((failed + 1)); continue
  fi
  verilog_tb "$top" "$ins" "$outs" > "$dir/tb.v"
  if ! iverilog -o "$dir/ref.vvp" "$dir/tb.v" "$dir/netlist.v" "$sim/$cells.v" 2>"$dir/iverilog.log" ||
     ! vvp -n "$dir/ref.vvp" > "$dir/ref.txt" 2>>"$dir/iverilog.log"; then
    echo "FAIL $top: iverilog"; head -20 "$dir/iverilog.log"; failed=$((failed + 1)); continue
  fi
  grep '^cycle ' "$dir/ref.txt" > "$dir/ref.cycles" || true
  for form in edf v; do
    fdir="$dir/$form"
    mkdir -p "$fdir"
    cp "$dir/$( [ $form = edf ] && echo "$top.edf" || echo netlist.v)" "$fdir/$top.$form"
    if ! timeout 300 "$kalvor" edif "$fdir/$top.$form" --ini "$ini" --answer no \
         --answer 'func=;pri=;base=;pads=;' --no </dev/null >/dev/null 2>"$fdir/import.log"; then
      echo "FAIL $top ($form): import"; tail -5 "$fdir/import.log"; failed=$((failed + 1)); continue
    fi
    if ! convert "$fdir" "$top" "$cells"; then
      echo "FAIL $top ($form): mac2vhd"; tail -5 "$fdir/$top.convert.log"; failed=$((failed + 1)); continue
    fi
    vhdl_tb "$top" "$ins" "$outs" > "$fdir/tb.vhd"
    # The entity's ports are the top module's: names, modes, ranges and bit order.
    if ! diff <(expected_ports "$ins" "$outs" | sort) <(entity_ports "$fdir/$top.vhd" "$top") \
         > "$fdir/ports.diff"; then
      echo "FAIL $top ($form): the entity's ports are not the top module's:"; head -10 "$fdir/ports.diff"
      failed=$((failed + 1)); continue
    fi
    # Cells under the names Yosys gives them, never its per-design identifiers.
    if [ "$cells" = gates ] &&
       { ! grep -q 'component \\\$_' "$fdir/$top.vhd" || grep -qi 'component id[0-9]' "$fdir/$top.vhd"; }; then
      echo "FAIL $top ($form): cells not named as Yosys spells them:"; grep -m3 'component' "$fdir/$top.vhd"
      failed=$((failed + 1)); continue
    fi
    if ! ghdl_run "$fdir" "$top" "$top" "$cells"; then
      echo "FAIL $top ($form): ghdl"; grep -v ':warning:' "$fdir/ghdl.log" | head -20; failed=$((failed + 1)); continue
    fi
    grep '^cycle ' "$fdir/ghdl.txt" > "$fdir/vhdl.cycles" || true
    macs="$(grep -c '^<' "$fdir/$top.mac")"
    insts="$(instances "$fdir/$top.vhd")"
    if [ "$(wc -l < "$fdir/vhdl.cycles")" -ne "$cycles" ] || ! diff -q "$dir/ref.cycles" "$fdir/vhdl.cycles" >/dev/null; then
      echo "FAIL $top ($form): GHDL and iverilog differ ($(wc -l < "$fdir/vhdl.cycles") cycles from GHDL):"
      diff "$dir/ref.cycles" "$fdir/vhdl.cycles" | head -10
      failed=$((failed + 1)); continue
    fi
    figures=""
    if [ -n "$vhdlcheck" ]; then
      if ! "$vhdlcheck" "$fdir/$top.mac" "$fdir/$top.vhd" --standard > "$fdir/check.txt" 2>&1; then
        echo "FAIL $top ($form): the VHDL is not the macro file's netlist:"; head -5 "$fdir/check.txt"
        failed=$((failed + 1)); continue
      fi
      figures="; $(tail -1 "$fdir/check.txt" | grep -o 'nets [0-9]* in .mac, [0-9]* in VHDL')"
    fi
    compared=$((compared + cycles))
    echo "ok   $top ($form, $cells): $cycles cycles equal; $macs instance lines in .mac, $insts instances in VHDL$figures; ports $(entity_ports "$fdir/$top.vhd" "$top" | awk '{ printf "%s%s", (NR > 1 ? ", " : ""), $1 } $3 ~ /vector/ { printf " %s %s %s", $4, $5, $6 }')"
  done
done

# Without the cell library the instances are reported unbound, never
# simulated by empty architectures.
probe="$work/counter4/edf"
if [ -s "$probe/counter4.vhd" ]; then
  lib="$probe/nolib"; mkdir -p "$lib"
  sed 's/^library cells;\r\{0,1\}$//; s/^use cells.all;\r\{0,1\}$//' "$probe/counter4.vhd" > "$lib/counter4.vhd"
  if (cd "$lib" && ghdl -a --std=93c --workdir=. counter4.vhd && ghdl -e --std=93c --workdir=. counter4) \
       >"$lib/log" 2>&1 && grep -qi 'not bound' "$lib/log"; then
    echo "ok   without the cell library GHDL reports $(grep -ci 'not bound' "$lib/log") unbound instance(s)"
  else
    echo "FAIL without the cell library the cells are not reported unbound:"; head -10 "$lib/log"
    failed=$((failed + 1))
  fi
fi

# GHDL's own dump of the counter comes back as a trace: `kalvor vhdout`
# reads the VCD into a .out with a row per time stamp and a column per
# signal.
lib="$work/counter4/edf/lib"
if [ -d "$lib" ]; then
  (cd "$lib" && ghdl -r --std=93c --workdir=. -P"$work/cells" tb --vcd="$work/counter4/run.vcd" \
     >/dev/null 2>&1) || true
  printf '[RDMX]\r\nWAVEVIEWER=true\r\n' > "$work/viewer.ini"
  if [ -s "$work/counter4/run.vcd" ] &&
     "$kalvor" vhdout "$work/counter4/run.vcd" --ini "$work/viewer.ini" --answer "$work/counter4/run.vcd" \
       --answer 'supply=3.3;counts/volt=1241;limit=y;' </dev/null >/dev/null 2>"$work/counter4/vhdout.log" &&
     awk -F'\t' 'NR == 1 { n = split($0, h, " "); ok = $0 ~ / dut\.q/ } NR > 1 && NF != n { ok = 0 }
                 END { exit !(ok && NR > 2 * '"$cycles"') }' "$work/counter4/run.out"; then
    echo "ok   GHDL's VCD read back as a trace: $(($(wc -l < "$work/counter4/run.out") - 1)) rows of $(head -1 "$work/counter4/run.out" | wc -w) columns"
  else
    echo "FAIL GHDL's VCD not read back as a trace:"; tail -5 "$work/counter4/vhdout.log"
    failed=$((failed + 1))
  fi
fi

# A one-gate mutation: the first AND2 of the counter becomes an XOR2; the
# simulations must then differ.
mut="$work/counter4/mutant"
if [ -s "$work/counter4/edf/counter4.mac" ]; then
  mkdir -p "$mut"
  awk '!done && /^<[^ ]+ AND2 / { sub(/ AND2 /, " XOR2 "); done = 1 } { print }' \
    "$work/counter4/edf/counter4.mac" > "$mut/counter4.mac"
  cp "$work/counter4/edf/tb.vhd" "$mut/"
  if cmp -s "$mut/counter4.mac" "$work/counter4/edf/counter4.mac"; then
    echo "FAIL mutation: no AND2 instance to change"; failed=$((failed + 1))
  elif ! convert "$mut" counter4 || ! ghdl_run "$mut" counter4 counter4; then
    echo "FAIL mutation: the mutant does not simulate:"; grep -v ':warning:' "$mut/ghdl.log" | head -10
    failed=$((failed + 1))
  else
    differing="$(grep '^cycle ' "$mut/ghdl.txt" | diff "$work/counter4/ref.cycles" - | grep -c '^>' || true)"
    if [ "$differing" -eq 0 ]; then
      echo "FAIL mutation: a counter with an XOR2 in place of an AND2 simulates like the netlist"
      failed=$((failed + 1))
    else
      echo "ok   mutation: one AND2 made an XOR2 makes $differing of $cycles cycles differ"
    fi
  fi
fi

echo "vhdl_sim: $compared cycles compared, $failed failure(s)"
[ "$failed" -eq 0 ]
