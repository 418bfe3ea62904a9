#!/usr/bin/env bash
# The Windows program: builds kalvor.exe for i686 and x86_64 with the
# mingw-w64 toolchain files, checks both are self-contained, then drives the
# x86_64 build under wine64 and Xvfb with the GUI test driver, also against
# the netlist translator's stand-in and the example design as the
# command-line program imports it. Screenshots of the dialogs are kept in
# build/gui-artefacts/.
#
#   scripts/test.d/win32_gui.sh REPO-ROOT
set -euo pipefail
root="$(cd "${1:-$(dirname "$0")/../..}" && pwd)"
cd "$root"
"$root/scripts/install-deps.sh" win32
# shellcheck source=../wine-env.sh
. "$root/scripts/wine-env.sh"

for arch in i686 x86_64; do
  echo "-- building kalvor.exe ($arch)"
  cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "build/win-$arch" -j 2 >/dev/null
  exe="build/win-$arch/bin/kalvor.exe"
  [ -f "$exe" ] || { echo "FAIL: $exe was not built"; exit 1; }
  # Statically linked: only system DLLs are imported.
  if "$arch-w64-mingw32-objdump" -p "$exe" | grep -i 'DLL Name' |
      grep -i -E 'libstdc|libgcc|libwinpthread'; then
    echo "FAIL: $exe needs a runtime DLL"
    exit 1
  fi
done

build="$root/build/win-x86_64"
artefacts="$root/build/gui-artefacts"
rm -rf "$artefacts"
mkdir -p "$artefacts"
work="$(mktemp -d /tmp/kalvor-gui.XXXXXX)"
trap 'rm -rf "$work"' EXIT
corpus="$(realpath "$root/tests/corpus")"

# What the command-line program makes of the example design, with the
# answers of examples/run.sh: the Windows program must write the same.
echo "-- example design through the command-line program"
kalvor_cli="${KALVOR:-}"
if [ -z "$kalvor_cli" ]; then
  kalvor_cli="$root/build/release/bin/kalvor"
  cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/release -j 2 --target kalvor >/dev/null
fi
expected="$work/expected"
mkdir -p "$expected"
cp examples/counter.edf examples/counter_base.mac "$expected/"
"$kalvor_cli" edif "$expected/counter.edf" --ini "$expected/kalvor.ini" \
  --answer yes --answer "$expected/counter_base.mac" \
  --answer 'func=;pri=;base=counter_base.mac;pads=;' 2> "$expected/boxes.txt" </dev/null
# The summary box, the last one: "[EDIF Conversion Done.] " and its text.
sed -n '/^\[EDIF Conversion Done\.\] /,$p' "$expected/boxes.txt" |
  sed '1s/^\[EDIF Conversion Done\.\] //' > "$expected/summary.txt"
[ -s "$expected/summary.txt" ] || { echo "FAIL: no summary from kalvor edif"; cat "$expected/boxes.txt"; exit 1; }

# The corpus designs that the GUI converts, through the command-line
# program: its times go to the log beside the Windows program's. They are
# taken just before each session of the scenarios that time the GUI on the
# same designs (the machine's load at that moment is the same for both).
mkdir -p "$work/files/large" "$work/cli"
unzip -o -q "$corpus/large/leon3mp_hierarchical.edf.zip" -d "$work/files/large"
cli_times="$work/cli-times.txt"
time_cli() {
  : > "$cli_times"
  rm -rf "$work/cli" && mkdir -p "$work/cli"
  for edif in "$corpus/edif/counters128.edf" "$corpus/edif/synth_th1_slaac.edf" \
      "$work/files/large/leon3mp_hierarchical.edf"; do
    stem="$(basename "$edif" .edf)"
    cp "$edif" "$work/cli/"
    # On the disk before the clock starts, as the driver's copy is: else the
    # conversion's flush of its output waits for the copy too.
    sync "$work/cli/$stem.edf"
    for step in "edif:EDIF to .mac:$stem.edf:--answer no --answer func=;pri=;base=;pads=;" \
        "mac2vhd:.mac to VHDL:$stem.mac:--answer ok --answer no"; do
      IFS=: read -r fn what file answers <<< "$step"
      start=$(date +%s%N)
      # shellcheck disable=SC2086
      "$kalvor_cli" "$fn" "$work/cli/$file" --ini "$work/cli/kalvor.ini" $answers \
        2> "$work/cli/$stem.$fn.err" < /dev/null > /dev/null || true
      end=$(date +%s%N)
      echo "TIME $stem $what: $(( (end - start) / 1000000 )) ms in kalvor, $(grep -c '^\[' "$work/cli/$stem.$fn.err") boxes" >> "$cli_times"
    done
  done
}

echo "-- wine prefix"
kalvor_wine_prefix "$root/build/wineprefix" headless

echo "-- the program's memcpy, memmove, new and delete under wine"
kalvor_wine "$build/tests/gui/kvmemory.exe" 2>&1 | grep -v -E 'Read access denied|^wine: ' |
  tee "$artefacts/memory.log" || true
grep -q '^PASS' "$artefacts/memory.log" || { echo "FAIL: the program's memory routines"; exit 1; }

echo "-- GUI scenarios under wine64 and Xvfb"
cat > "$work/run.sh" <<RUN
#!/usr/bin/env bash
. "$root/scripts/wine-env.sh"
export WINEPREFIX="$WINEPREFIX" WINEARCH=win64 WINEDEBUG=-all
# An X server without a resource database (Xvfb; a desktop session loads
# one) makes Xlib look for ~/.Xdefaults again at every lookup: kalvor.exe
# made about a thousand failed opens a second, also while it converted.
# An empty resource file is a database.
export XENVIRONMENT=/dev/null
export KVDRIVER_ONLY="\$1" KVDRIVER_SKIP="\$2"
status=0
cd "$work"
timeout 600 bash -c '. "$root/scripts/wine-env.sh"; kalvor_wine "\$@"' wine \
  "$build/tests/gui/kvdriver.exe" \
  "\$(kalvor_win_path "$build/bin/kalvor.exe")" \
  "\$(kalvor_win_path "$build/tests/gui/kvkit.exe")" \
  "\$(kalvor_win_path "$work/files")" \
  "\$(kalvor_win_path "$artefacts")" \
  "\$(kalvor_win_path "$corpus")" \
  "\$(kalvor_win_path "$root/examples")" \
  "\$(kalvor_win_path "$expected")" \
  "\$(kalvor_win_path "$build/tests/gui/doubles/nettran.exe")" || status=\$?
wineserver -k 2>/dev/null || true
exit \$status
RUN
mkdir -p "$work/files"
status=0
# One session of the driver: the scenarios named (KVDRIVER_ONLY), all but
# those (KVDRIVER_SKIP); its log is added to driver.log, and it must end
# "N passed, 0 failed".
drive() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/run.sh" "$1" "$2" 2>&1 |
    grep -v -E 'Read access denied|^wine: ' | tee "$work/session.log" || true
  cat "$work/session.log" >> "$artefacts/driver.log"
  grep -q -E '^[0-9]+ passed, 0 failed' "$work/session.log" || status=1
}
: > "$artefacts/driver.log"
# Rounds of the command-line program's times and a session of the timed
# scenarios, one after the other: every round's times go to the log, and
# the best of each program over the rounds, side by side, after them. On a
# shared machine one run of either program can be slowed by anything else
# that runs; the best of a few alternating runs measures each program
# alike (KALVOR_GUI_ROUNDS: how many; 3 for the whole suite, 1 with
# KVDRIVER_ONLY).
all_times="$work/all-times.txt"
: > "$all_times"
timed_rounds() {
  for _ in $(seq 1 "$1"); do
    # Each round from the same start: no output of the last one.
    rm -rf "$work"/files/real-*
    time_cli
    tee -a "$artefacts/driver.log" < "$cli_times"
    drive "$2" ""
    { cat "$cli_times"; grep '^TIME ' "$work/session.log" || true; } >> "$all_times"
  done
}
if [ -n "${KVDRIVER_ONLY:-}" ]; then
  timed_rounds "${KALVOR_GUI_ROUNDS:-1}" "$KVDRIVER_ONLY"
else
  # The scenarios that time conversions first, the command-line program
  # just before them; then the rest (some use the largest design's output).
  timed="corpus designs|largest design from fresh settings"
  timed_rounds "${KALVOR_GUI_ROUNDS:-3}" "$timed"
  drive "" "$timed"
fi
# "TIME STEM FUNCTION: N ms in kalvor.exe ..." and "... N ms in kalvor, ...":
# the least of each program per conversion over the rounds.
awk '
  /^TIME / && / ms in kalvor(\.exe)?[ ,]/ {
    key = substr($0, 6, index($0, ": ") - 6)
    rest = substr($0, index($0, ": ") + 2)
    split(rest, w, " ")
    ms = w[1] + 0
    prog = (w[4] == "kalvor.exe") ? "gui" : "cli"
    if (!((prog, key) in best) || ms < best[prog, key]) best[prog, key] = ms
    runs[prog, key]++
    if (!(key in seen)) { seen[key] = 1; order[++n] = key }
  }
  END {
    for (i = 1; i <= n; i++) {
      k = order[i]
      if (!(("gui", k) in best) || !(("cli", k) in best)) continue
      printf "BEST %s: %d ms in kalvor.exe, %d ms in kalvor", k, best["gui", k], best["cli", k]
      if (best["cli", k] > 0) printf " (%.2fx)", best["gui", k] / best["cli", k]
      printf "; best of %d and %d alternating runs\n", runs["gui", k], runs["cli", k]
    }
  }' "$all_times" | tee -a "$artefacts/driver.log"
if command -v /usr/bin/convert >/dev/null 2>&1; then
  for f in "$artefacts"/*.bmp; do
    [ -f "$f" ] && /usr/bin/convert "$f" "${f%.bmp}.png" && rm -f "$f"
  done
fi
echo "-- screenshots in $artefacts"
exit $status
