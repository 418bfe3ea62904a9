#!/usr/bin/env bash
# kalvor a-cells: 'A' cells in the macro file replaced by the normal cells.
set -euo pipefail
source "$(dirname "$0")/common.sh"

long="<BIG NAND4A$(seq -s ' n' 1 6000 | sed 's/^/ n/')"
printf '<cells.mac>\r\n.macro NAND2 a b y\r\n.eom\r\n.macro TOP in x y z w a b\r\n<U1 NAND2A in x y\r\n<U2 NAND2 x z w\r\n<U3 INVa a b\r\n<U4 INVB a b\r\n%s x\n.eom\r\n' \
  "$long" > top.mac
"$kalvor" a-cells top.mac --ini "$ini" 2> log || fail "a-cells exit $?"
shows log "[] Done."
same_bytes top.mac "<cells.mac>\r\n.macro NAND2 a b y\r\n.eom\r\n.macro TOP in x y z w a b\r\n<U1 NAND2 in x y\r\n<U2 NAND2 x z w\r\n<U3 INV a b\r\n<U4 INVB a b\r\n${long/NAND4A/NAND4} x\r\n.eom\r\n"
no_scratch . "a-cells"

# No macro file of the test ID.
rm top.mac
if "$kalvor" a-cells --ini "$ini" 2> log; then fail "missing .mac passed"; fi
shows log "[$work/top.mac] unable to open .mac file"
echo "a-cells ok"
