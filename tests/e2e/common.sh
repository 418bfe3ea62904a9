# Shared by the end-to-end tests: a scratch directory with its
# own settings file, and small checks that stop the script on failure.
kalvor="$1"
src="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ini="$work/kalvor.ini"
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# same_bytes FILE EXPECTED-PRINTF-TEXT
same_bytes() {
  printf "$2" > "$work/.expected"
  cmp -s "$1" "$work/.expected" || {
    echo "--- $1:" >&2; cat -A "$1" >&2 || true
    echo "--- expected:" >&2; cat -A "$work/.expected" >&2
    fail "$1 differs"
  }
}

# no_scratch DIR WHAT: no scratch file ("~NAME.TOKEN~") is left in DIR
no_scratch() {
  local left
  left=$(find "$1" -maxdepth 1 -name '~*~' | head -n 3)
  [ -z "$left" ] || fail "$2: scratch file left: $left"
}

# shows LOG TEXT: the run printed TEXT (a whole line)
shows() { grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "no line '$2' in $1"; }; }
