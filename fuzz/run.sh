#!/bin/sh
# Runs the fuzzer for $2 seconds from the committed seeds and prints its executions and
# coverage.  The builds share object names (the same sources, opened side by side), so the
# check for one global defined twice is off; qvx_Malloc answers impossible sizes with null,
# as malloc does.
set -eu
dir=$1
seconds=$2
here=$(dirname "$0")
mkdir -p "$dir/corpus"
ASAN_OPTIONS=allocator_may_return_null=1:detect_odr_violation=0:detect_leaks=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$dir/fuzz/fuzz_rows" -max_total_time="$seconds" -print_final_stats=1 -timeout=20 \
  -rss_limit_mb=4096 -artifact_prefix="$dir/" "$dir/corpus" "$here/corpus" 2>"$dir/fuzz.log" ||
  { tail -40 "$dir/fuzz.log"; exit 1; }
execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/fuzz.log")
cov=$(grep -o 'cov: [0-9]*' "$dir/fuzz.log" | tail -1)
ft=$(grep -o 'ft: [0-9]*' "$dir/fuzz.log" | tail -1)
corp=$(grep -o 'corp: [0-9]*' "$dir/fuzz.log" | tail -1)
echo "fuzz_rows: $execs executions in ${seconds} s, $cov edges, $ft features, $corp inputs"
