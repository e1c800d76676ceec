#!/bin/sh
# Writes OUT/report.md: time per element against vector size for a few typical functions,
# the library's baseline build and its hwcaps flavours beside the user's -O3 loops, memcpy of
# the same bytes and VOLK (where installed), with one plot per function (OUT/<name>.png).
#   report.sh BENCH_BUILD_DIR OUT
set -eu
bench=$1
out=$2
functions="Add_32F,Mul_32FC,MulShift_16S,TypeConvertShift_16S_32F,Sum_32F,"
sizes=64,256,1024,4096,16384,65536,262144,1048576,4194304
mkdir -p "$out"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

for f in x86-64 x86-64-v3 x86-64-v4; do
  "$bench/bench/bench_$f" --qvx_set=$functions --qvx_sizes=$sizes --qvx_sfs=-1 \
    --benchmark_min_time=0.02 --qvx_csv="$data/$f.csv" > "$data/$f.txt" || [ $? -eq 77 ]
done
cat "$data"/*.csv | grep -v '^flavour,' > "$data/all.csv" || true
cpu=$(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n 1)

{
  echo "# Benchmarks"
  echo
  echo "Produced by \`make bench-report\` on $(date -u +%Y-%m-%d), $cpu."
  echo "Time per element (ns, lower is better) against the number of elements, for the"
  echo "library's three builds (x86-64 baseline, x86-64-v3, x86-64-v4) beside the same"
  echo "operation written as a plain loop and compiled by the user with \`-O3\` for each"
  echo "instruction set, \`memcpy\` of the same bytes (what moving the data costs) and VOLK's"
  echo "kernel where one exists and VOLK is installed.  Scaled functions at scale factor -1."
  echo
} > "$out/report.md"

for fn in $(echo "$functions" | tr ',' ' '); do
  for f in x86-64 x86-64-v3 x86-64-v4; do
    awk -F, -v fn="$fn" -v fl="$f" '$1 == fl && $2 == fn {print $3, $5, $6, $8, $9}' "$data/all.csv" > "$data/$fn.$f.dat"
  done
  plot=""
  for f in x86-64 x86-64-v3 x86-64-v4; do
    [ -s "$data/$fn.$f.dat" ] || continue
    plot="$plot \"$data/$fn.$f.dat\" using 1:2 with linespoints lw 2 title \"library $f\","
    plot="$plot \"$data/$fn.$f.dat\" using 1:(\$3 > 0 ? \$3 : 1/0) with linespoints dt 2 title \"-O3 loop $f\","
  done
  base="$data/$fn.x86-64-v4.dat"
  [ -s "$base" ] || base="$data/$fn.x86-64.dat"
  plot="$plot \"$base\" using 1:(\$5 > 0 ? \$5 : 1/0) with lines lc rgb \"black\" title \"memcpy\","
  if awk '$4 > 0 {found = 1} END {exit !found}' "$base"; then
    plot="$plot \"$base\" using 1:(\$4 > 0 ? \$4 : 1/0) with linespoints lc rgb \"gray\" title \"VOLK\","
  fi
  gnuplot <<GNUPLOT
set terminal pngcairo size 800,440 font "sans,10"
set output "$out/$fn.png"
set termoption noenhanced
set title "$fn: time per element"
set format x "%.0s%c"
set logscale x 4
set logscale y
set xlabel "elements"
set ylabel "ns per element"
set key outside right
set grid
plot ${plot%,}
GNUPLOT
  {
    echo "## $fn"
    echo
    echo "![$fn]($fn.png)"
    echo
    echo "| flavour | elements | library ns/elem | -O3 loop ns/elem | memcpy ns/elem | VOLK ns/elem |"
    echo "|---|---|---|---|---|---|"
    for f in x86-64 x86-64-v3 x86-64-v4; do
      awk -v fl="$f" '$1 == 4096 || $1 == 1048576 {
        printf "| %s | %s | %.3f | %s | %.3f | %s |\n", fl, $1, $2, ($3 > 0 ? sprintf("%.3f", $3) : "-"), $5, ($4 > 0 ? sprintf("%.3f", $4) : "-")
      }' "$data/$fn.$f.dat"
    done
    echo
  } >> "$out/report.md"
done
echo "wrote $out/report.md"
