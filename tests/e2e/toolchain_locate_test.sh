#!/usr/bin/env bash
# A NetTran that cannot be found: the browse, the PATH line added to the
# autoexec.bat named in the settings; then NetTran named by its full path.
set -euo pipefail
kalvor=$1 src=$2 doubles=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir tools
cp "$doubles/nettran.exe" tools/nettran.exe
printf '%s\r\n' '.macro top a b' '.eom' > abc.mac
printf '%s\r\n' '<<< COMPONENT LIST >>>' 'top top top' > abc.wir
touch scmossim.mac
# More than 16,000 bytes after the PATH line: every one must survive.
{ printf 'echo off\r\nPath=/usr/bin\r\n'; for i in $(seq 1 3000); do printf 'rem line %d\r\n' "$i"; done; } \
  > autoexec.bat
cp autoexec.bat autoexec.before
ini=$work/k.ini
printf '[RDMX]\nNETTRAN.EXE=nettran-missing.exe\nAUTOEXEC.BAT=%s\n' "$work/autoexec.bat" > "$ini"

if "$kalvor" net abc.mac --ini "$ini" --answer "$work/scmossim.mac" \
    --answer "$work/tools/nettran.exe" --answer ok 2> locate.log; then
  fail "a run without the program reported success"
fi
grep -qF '[nettran-missing.exe] Please browse for location of above program.' locate.log \
  || fail "no browse request"
grep -qF '[] You must now re-boot for changes to take effect.' locate.log || fail "no re-boot note"
{ printf 'echo off\r\nPath=/usr/bin\r\nPATH=%s;%%PATH%%\r\n' "$work/tools"; tail -n +3 autoexec.before; } \
  > autoexec.expected
cmp autoexec.bat autoexec.expected || fail "autoexec.bat not updated as expected"
[ ! -e abc.net ] || fail "NetTran ran"

# Without a configured autoexec.bat the PATH line is shown for a manual edit.
printf '[RDMX]\nNETTRAN.EXE=nettran-missing.exe\n' > "$ini"
"$kalvor" net abc.mac --ini "$ini" --answer "$work/tools/nettran.exe" --answer ok 2> locate2.log || true
grep -qF "[PATH=$work/tools;%PATH%] Unable to locate or open your c:\\autoexec.bat." locate2.log \
  || fail "no manual-edit message"

# The settings may name NetTran by its full path; it need not be on PATH.
printf '[RDMX]\nNETTRAN.EXE=%s\n' "$work/tools/nettran.exe" > "$ini"
"$kalvor" net abc.mac --ini "$ini" --yes 2> run.log || fail "kalvor net exited $?"
grep -qxF 'W a U1<A' <(tr -d '\r' < abc.net) || fail "netlist not post-processed"
echo ok
