#!/usr/bin/env bash
# kalvor setup: the node list dialog and the .VEC/.SIM files from the
# templates beside the program.
set -euo pipefail
source "$(dirname "$0")/common.sh"

printf '.macro TOP a b y\r\n.eom\r\n' > abc.mac

# A fresh run has no prescan behind it: the empty node list is reported and
# nothing is written.
"$kalvor" setup abc.mac --ini "$ini" 2> log || fail "setup exit $?"
shows log "[Warning] No ports found on top level module"
if grep -q 'NODE LIST' log; then fail "the node list was shown without ports"; fi
[ ! -e abc.VEC ] && [ ! -e abc.SIM ] || fail "files written without ports"

# With the design's wire list and macro file, a new run finds the top
# module's ports again, as the Windows program keeps them from its prescan.
printf '$ Written by hand\r\n\r\nWIRE LIST\r\n<<< COMPONENT LIST >>>\r\nTOP TOP TOP\r\n' > abc.wir
"$kalvor" setup abc.mac --ini "$ini" --answer '301=a,y' --answer yes --answer no 2> log || fail "setup with ports exit $?"
if grep -q 'No ports found' log; then fail "ports were not found again"; fi
grep -qx '\.PATT  a y' <(tr -d '\r' < abc.VEC) || fail ".PATT line with the chosen inputs"

# A program without its templates beside it stops with a failure status.
mkdir bare
cp "$kalvor" bare/kalvor
rm abc.VEC abc.SIM
if bare/kalvor setup --ini "$ini" --answer ok 2> log; then fail "missing template passed"; fi
shows log "[KALVOR] KALVOR.VEC not found"
if grep -qF 'Done.' log; then fail "a failed setup was reported as done"; fi
[ ! -e abc.VEC ] && [ ! -e abc.SIM ] || fail "files written without templates"

# Installed as on Linux: the program in bin/, its templates in share/kalvor/.
mkdir -p inst/bin inst/share/kalvor
cp "$kalvor" inst/bin/kalvor
cp "$src"/resources/data/KALVOR.* inst/share/kalvor/
inst/bin/kalvor setup --ini "$ini" --answer ok --answer no 2> log || fail "installed setup exit $?"
grep -qx '\.PATT ' <(tr -d '\r' < abc.VEC) || fail "installed program: .PATT line"
rm -f abc.wir

echo "setup ok"
