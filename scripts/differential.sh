#!/usr/bin/env bash
# Runs two kalvor programs on the same netlists and compares what they
# write: every EDIF and Verilog netlist of tests/corpus (the large ones
# unzipped), the netlists of tests/tools/netlists and tests/tools/verilog,
# the Verilog fuzz seeds, the designs Yosys writes for the Verilog
# connectivity test (when yosys is installed) and the example design with
# its base file. Each netlist goes through `kalvor edif` and its macro file
# through `kalvor mac2vhd`, as it stands and as standard VHDL; every step
# runs in a fresh directory per program (the same path for both, so paths
# written into files or messages agree). Every .mac, .wir and .vhd written
# is compared byte for byte, and so are each step's exit status and
# standard error.
# Usage: scripts/differential.sh OLD_KALVOR NEW_KALVOR [OUTDIR]
# OUTDIR (default: a new temporary directory, kept) receives both programs'
# files (old/, new/) and figures.tsv: peak resident memory (KB) and user
# seconds per netlist, step and program. Prints a line per compared file
# and the counts; exits 1 on any difference.
set -u
shopt -s nullglob
[ $# -ge 2 ] || { echo "usage: $0 OLD_KALVOR NEW_KALVOR [OUTDIR]" >&2; exit 2; }
root="$(cd "$(dirname "$0")/.." && pwd)"
old="$(realpath "$1")"; new="$(realpath "$2")"
out="${3:-$(mktemp -d)}"
mkdir -p "$out"; out="$(realpath "$out")"
for k in "$old" "$new"; do [ -x "$k" ] || { echo "not a program: $k" >&2; exit 2; }; done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset KALVOR_INI
measure=(); [ -x /usr/bin/time ] && measure=(/usr/bin/time -f '%M %U' -o "$work/time")
printf 'netlist\tbytes\tstep\tprogram\tpeak_kb\tuser_s\texit\n' >"$out/figures.tsv"
same=0; differs=0

# Gather the inputs in $work/in (NAME.edf / NAME.v / NAME.vo / NAME.vg, names unique).
mkdir -p "$work/in"
take() { cp "$1" "$work/in/$2"; chmod u+w "$work/in/$2"; }
for f in "$root"/tests/corpus/edif/*.edf "$root"/tests/tools/netlists/*.edf \
         "$root"/tests/corpus/verilog/*.v "$root"/tests/corpus/verilog/*.vo "$root"/tests/tools/netlists/*.v \
         "$root"/tests/tools/verilog/*.vg "$root"/tests/fuzz/verilog_seeds/*.v; do
  take "$f" "$(basename "$f")"
done
for z in "$root"/tests/corpus/large/*.zip; do unzip -o -q "$z" -d "$work/in"; done
if command -v yosys >/dev/null; then
  here="$root/tests/tools/verilog"
  for entry in "$root/examples/counter.v|counter|-flatten" "$here/hier.v|hier|" "$here/mux.v|mux|" \
               "$here/ascend.v|ascend|"; do
    IFS='|' read -r source top flatten <<<"$entry"
    sed -e "s|DESIGN|$source|; s|TOP|$top|; s|FLATTEN|$flatten|" "$here/synth.ys.in" >"$work/synth.ys"
    yosys -q -p "script $work/synth.ys; write_edif $work/in/yosys_$top.edf;
                 write_verilog -noattr -noexpr $work/in/yosys_$top.v" >/dev/null 2>&1 ||
      echo "note: yosys could not write $top"
  done
else
  echo "note: yosys is missing: the Yosys designs are left out"
fi

# step LABEL PROGRAM DIR ARGS...: one run in DIR; stderr and status kept as
# LABEL.err and LABEL.status, the figures appended to figures.tsv.
step() {
  local label="$1" kalvor="$2" dir="$3"; shift 3
  rm -f "$work/time"
  (cd "$dir" && HOME="$dir" XDG_CONFIG_HOME="$dir" timeout 900 "${measure[@]}" "$kalvor" "$@" \
     </dev/null >"$dir/$label.out" 2>"$dir/$label.err")
  local status=$? peak=NA user=NA
  echo "$status" >"$dir/$label.status"
  # time's own line (a signal) comes before the figures.
  [ -s "$work/time" ] && read -r peak user < <(tail -n 1 "$work/time")
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$bytes" "$label" "$which" "$peak" "$user" "$status" \
    >>"$out/figures.tsv"
}

# convert PROGRAM DIR FILE [BASE]: the import, then both VHDL conversions.
convert() {
  local kalvor="$1" dir="$2" file="$3" base="${4:-}" stem="${3%.*}"
  cp "$work/in/$file" "$dir/"
  printf '[RDMX]\r\nNETS=20000000\r\nkNETS=2000000\r\n' >"$dir/k.ini"
  if [ -n "$base" ]; then
    cp "$base" "$dir/"
    step edif "$kalvor" "$dir" edif "$file" --ini k.ini --answer yes --answer "$dir/$(basename "$base")" \
      --answer "func=;pri=;base=$(basename "$base");pads=;" --no
  else
    step edif "$kalvor" "$dir" edif "$file" --ini k.ini --answer no --answer 'func=;pri=;base=;pads=;' --no
  fi
  [ -f "$dir/$stem.mac" ] || return 0
  step mac2vhd "$kalvor" "$dir" mac2vhd "$stem.mac" --ini k.ini --answer ok --no
  [ -f "$dir/$stem.vhd" ] && mv "$dir/$stem.vhd" "$dir/$stem.default.vhd"
  step mac2vhd-std "$kalvor" "$dir" mac2vhd "$stem.mac" --ini k.ini --vhdl-standard --no
}

# verdict LABEL OLD_FILE NEW_FILE: one line, counted.
verdict() {
  if [ -e "$2" ] && [ -e "$3" ] && cmp -s "$2" "$3"; then
    echo "same     $1"; same=$((same + 1))
  else
    local why=""
    [ -e "$2" ] || why=" (only the new program wrote it)"
    [ -e "$3" ] || why=" (only the old program wrote it)"
    echo "DIFFERS  $1$why"; differs=$((differs + 1))
  fi
}

run_dir="$work/run"
inputs=("$work"/in/*.edf "$work"/in/*.v "$work"/in/*.vo "$work"/in/*.vg example)
for input in "${inputs[@]}"; do
  if [ "$input" = example ]; then
    name=counter_example; file=counter.edf; base="$root/examples/counter_base.mac"
    cp "$root/examples/counter.edf" "$work/in/$file"
  else
    file="$(basename "$input")"; name="$file"; base=""
  fi
  bytes=$(stat -c %s "$work/in/$file")
  for which in old new; do
    kalvor="$old"; [ "$which" = new ] && kalvor="$new"
    rm -rf "$run_dir"; mkdir -p "$run_dir"
    convert "$kalvor" "$run_dir" "$file" "$base"
    rm -rf "${out:?}/$which/$name"; mkdir -p "$out/$which"
    mv "$run_dir" "$out/$which/$name"
  done
  a="$out/old/$name"; b="$out/new/$name"
  for label in edif mac2vhd mac2vhd-std; do
    [ -e "$a/$label.status" ] || [ -e "$b/$label.status" ] || continue
    status="$(cat "$a/$label.status" 2>/dev/null || echo none)/$(cat "$b/$label.status" 2>/dev/null || echo none)"
    verdict "$name: $label exit status ($status)" "$a/$label.status" "$b/$label.status"
    # The closing line's running time differs from run to run.
    for err in "$a/$label.err" "$b/$label.err"; do
      if [ -f "$err" ]; then sed -i -E 's/^(kalvor: .* in )[0-9.]+ s: /\1- s: /' "$err"; fi
    done
    verdict "$name: $label standard error" "$a/$label.err" "$b/$label.err"
  done
  written=$(find "$a" "$b" -maxdepth 1 -type f \( -name '*.mac' -o -name '*.wir' -o -name '*.vhd' \) \
    -printf '%f\n' | sort -u)
  while IFS= read -r f; do
    [ -n "$f" ] && verdict "$name: $f" "$a/$f" "$b/$f"
  done <<<"$written"
  # The large netlists' copies are not worth keeping.
  rm -f "$a/$file" "$b/$file"
done

echo "$same same, $differs DIFFERS ($out; figures in $out/figures.tsv)"
[ "$differs" -eq 0 ]
