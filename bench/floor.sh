# The floor's helpers for the shell benches (sourced): processor seconds of
# one command as the shell accounts it, and the smaller of two figures.

# Processor seconds (user + system) of one command, its output thrown away.
cpu_of() {
  local TIMEFORMAT='%3U %3S' t
  t="$( { time "$@" >/dev/null 2>&1; } 2>&1 )"
  awk -v t="$t" 'BEGIN { split(t, a, " "); printf "%.3f", a[1] + a[2] }'
}
# The smaller of $1 and $2 ($2 may be empty: none yet).
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }
