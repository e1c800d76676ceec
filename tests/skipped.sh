#!/bin/sh
# After a CTest run in BUILD: each test that skipped, with the reason it printed ("skipped:
# ..."), so that a skip is never silent.
log=${1:-build}/Testing/Temporary/LastTest.log
[ -f "$log" ] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $3 }
  /^skipped: / { sub(/^skipped: /, ""); reason[name] = $0 }
  /^Test Skipped|^Test Not Run/ { skipped[name] = 1 }
  END {
    n = 0
    for (t in skipped) n++
    if (n == 0) exit
    printf "%d test%s skipped:\n", n, n == 1 ? "" : "s"
    for (t in skipped) printf "  %s: %s\n", t, (t in reason) ? reason[t] : "no reason printed"
  }' "$log" | sort
