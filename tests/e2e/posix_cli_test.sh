#!/usr/bin/env bash
# The kalvor program's own behaviour: usage, settings file, selection and a
# command that works on the stored design after a restart.
set -u
kalvor="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fails=0
check() { # description, command...
  local what="$1"; shift
  if "$@"; then echo "ok - $what"; else echo "FAIL - $what"; fails=$((fails + 1)); fi
}

export KALVOR_INI="$work/kalvor.ini"
mkdir -p "$work/designs" "$work/elsewhere"
printf 'one\ttwo\nthree\rfour' > "$work/designs/adder.txt"

"$kalvor" --help > "$work/help.txt"
check "--help lists the functions" grep -q 'spice-clean' "$work/help.txt"
"$kalvor" nonsense 2>/dev/null; check "unknown function is a usage error" test $? -eq 2
"$kalvor" select 2>/dev/null; check "select without a file is a usage error" test $? -eq 2
"$kalvor" reformat --bogus 2>/dev/null; check "unknown option is a usage error" test $? -eq 2

# No --answer text aborts the program: a control id out of range is a usage
# error that names the answer.
for bad in '99999999999=x' '!99999999999' 'supply=1;70000=y'; do
  "$kalvor" mac2vhd --answer "$bad" 2>"$work/err.txt" </dev/null
  check "--answer '$bad' is a usage error" test $? -eq 2
  check "--answer '$bad' is named" grep -qF -- "--answer $bad:" "$work/err.txt"
done

# Select, then reformat in a later run through the stored settings.
"$kalvor" select "$work/designs/adder.txt" 2>"$work/err.txt"
check "select succeeds" test $? -eq 0
check "select stores the test ID" grep -q '^testname=adder$' "$KALVOR_INI"
check "select stores the test directory" grep -q "^testdir=$work/designs/\$" "$KALVOR_INI"
(cd "$work/elsewhere" && "$kalvor" reformat --answer adder.txt --answer ok 2>"$work/err.txt")
check "reformat on the stored design succeeds" test $? -eq 0
check "reformat wrote CR LF line ends" test "$(od -An -c "$work/designs/adder.txt" | tr -s ' ')" = "$(printf 'one two\r\nthree\r\nfour\r\n' | od -An -c | tr -s ' ')"
check "reformat printed Done." grep -q '^\[\] Done\.$' "$work/err.txt"

# Options may stand anywhere; check boxes persist like the dialog's.
"$kalvor" --spc-diodes=0 select "$work/designs/adder.txt" --spc-nocaps=1 2>/dev/null
check "check box flags are saved" grep -q '^spc_diodes=0$' "$KALVOR_INI"
check "check box flags are saved (2)" grep -q '^spc_nocaps=1$' "$KALVOR_INI"

# A question without answers takes the default; --no declines.
printf 'x\n' > "$work/designs/b.txt"
"$kalvor" reformat --answer "$work/designs/b.txt" --no 2>"$work/err.txt" </dev/null
check "--no declines the reformat question" test "$(cat "$work/designs/b.txt")" = "x"
check "the question was printed with its caption" grep -q "^\[$work/designs/b.txt\] Reformat line-ends in above file?" "$work/err.txt"

# Run with an empty test ID fails with the program's message.
rm -f "$KALVOR_INI"
(cd "$work/elsewhere" && "$kalvor" mac2vhd 2>"$work/err.txt" </dev/null)
check "empty test ID exits 1" test $? -eq 1
check "empty test ID message" grep -q '^\[KALVOR\] Please open a test file set or enter test root name\.$' "$work/err.txt"

# The closing line names what was written; --report holds it as JSON with
# every warning; --quiet prints no closing line.
printf 'a\nb' > "$work/designs/c.txt"
"$kalvor" reformat --file "$work/designs/c.txt" --confirm --report "$work/r.json" 2>"$work/err.txt" </dev/null
check "reformat with a report succeeds" test $? -eq 0
check "the closing line" grep -q "^kalvor: reformat completed in [0-9.]* s: 2 messages, 2 questions, 0 warnings, 0 errors; wrote $work/designs/c.txt, $work/r.json\$" "$work/err.txt"
check "the report's outcome" grep -qx '  "outcome": "completed",' "$work/r.json"
check "the report's files" grep -qxF "  \"files_written\": [\"$work/designs/c.txt\"]," "$work/r.json"
(cd "$work/designs" && "$kalvor" extract c.txt --quiet --report r2.json 2>"$work/err.txt" </dev/null)
check "a missing .OUT fails" test $? -eq 1
check "--quiet prints no closing line" bash -c "! grep -q '^kalvor:' '$work/err.txt'"
check "the report's warning" grep -qxF '    {"severity": "warning", "caption": "File not found:", "text": "c.OUT"}' "$work/designs/r2.json"
check "the report of a failure" grep -qx '  "exit_status": 1,' "$work/designs/r2.json"

# Bash completion: the functions, then the options of the function named.
src="$2"
complete_line() { # the words typed; prints what completes the last one
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kalvor; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$src/resources/kalvor.bash-completion" "$@"
}
check "completion of a function" test "$(complete_line "$kalvor" mac2)" = mac2vhd
check "completion of a function's option" test "$(complete_line "$kalvor" edif --base)" = --base-macros
check "completion of a general option" test "$(complete_line "$kalvor" edif --quie)" = --quiet
check "no other function's options" test -z "$(complete_line "$kalvor" edif --suppl)"

echo "$fails failed"
[ "$fails" -eq 0 ]
