#!/bin/sh
# Writes OUT/report.md: time per element against vector size for a few typical functions,
# the library's baseline build and its hwcaps flavours beside the user's -O3 loops, memcpy of
# the same bytes and the peers where installed (VOLK, SLEEF, glibc's libmvec), with one plot
# per function (OUT/<name>.png); then a table of the single-precision elementary functions at
# 4096 and 1048576 elements against the same baselines.
#   report.sh BENCH_BUILD_DIR OUT
set -eu
bench=$1
out=$2
functions="Add_32F,Mul_32FC,MulShift_16S,TypeConvertShift_16S_32F,Sum_32F,Sin_32F,Exp_32F,"
sizes=64,256,1024,4096,16384,65536,262144,1048576,4194304
elementary="Sin_32F,Cos_32F,SinCos_32F,Tan_32F,Atan_32F,Asin_32F,Acos_32F,Exp_32F,Log_32F,\
Pow_32F,PowC_32F,Exp_32FC,Log_32FC,Ampl_32FC,Phase_32FC,DescartToPolar_32F,PolarToDescart_32F,\
PolarToDescart_16S"
flavours="x86-64 x86-64-v3 x86-64-v4"
mkdir -p "$out"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

# A flavour the processor cannot run exits with 77 and leaves no rows.
for f in $flavours; do
  "$bench/bench/bench_$f" --qvx_set=$functions --qvx_sizes=$sizes --qvx_sfs=-1 \
    --benchmark_min_time=0.02 --qvx_csv="$data/$f.plot.csv" > "$data/$f.plot.txt" || [ $? -eq 77 ]
  "$bench/bench/bench_$f" --qvx_set=$elementary --qvx_sizes=4096,1048576 \
    --benchmark_min_time=0.2 --qvx_csv="$data/$f.math.csv" > "$data/$f.math.txt" || [ $? -eq 77 ]
done
# Columns: flavour, operation, size, sf, then ns per element of the library, -O3 loop, -O2
# loop, VOLK, memcpy, SLEEF, libmvec (0 where there is no such baseline).
cat "$data"/*.plot.csv | grep -v '^flavour,' > "$data/all.csv" || true
cat "$data"/*.math.csv | grep -v '^flavour,' > "$data/math.csv" || true
cpu=$(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n 1)
# A time per element, or - where the baseline is missing.
ns='function ns(v) { return v > 0 ? sprintf("%.3f", v) : "-" }'

{
  echo "# Benchmarks"
  echo
  echo "Produced by \`make bench-report\` on $(date -u +%Y-%m-%d), $cpu."
  echo "Time per element (ns, lower is better) against the number of elements, for the"
  echo "library's three builds (x86-64 baseline, x86-64-v3, x86-64-v4; a build the processor"
  echo "cannot run has no rows) beside the same operation written as a plain loop and compiled"
  echo "by the user with \`-O3\` for each instruction set, \`memcpy\` of the same bytes (what"
  echo "moving the data costs) and the peers' kernel where one exists and the peer is"
  echo "installed: VOLK, SLEEF's 1-ulp float functions and glibc's vector math (libmvec) for"
  echo "the same instruction set.  The peers' results are not the library's: its elementary"
  echo "functions give the C library's, bit for bit.  Scaled functions at scale factor -1."
  echo
} > "$out/report.md"

for fn in $(echo "$functions" | tr ',' ' '); do
  # size, library, -O3 loop, VOLK, memcpy, SLEEF, libmvec
  for f in $flavours; do
    awk -F, -v fn="$fn" -v fl="$f" '$1 == fl && $2 == fn {print $3, $5, $6, $8, $9, $10, $11}' \
      "$data/all.csv" > "$data/$fn.$f.dat"
  done
  plot=""
  for f in $flavours; do
    [ -s "$data/$fn.$f.dat" ] || continue
    plot="$plot \"$data/$fn.$f.dat\" using 1:2 with linespoints lw 2 title \"library $f\","
    plot="$plot \"$data/$fn.$f.dat\" using 1:(\$3 > 0 ? \$3 : 1/0) with linespoints dt 2 title \"-O3 loop $f\","
  done
  # memcpy and the peers as the best flavour this processor runs measured them.
  for f in $flavours; do
    if [ -s "$data/$fn.$f.dat" ]; then base="$data/$fn.$f.dat"; fi
  done
  plot="$plot \"$base\" using 1:(\$5 > 0 ? \$5 : 1/0) with lines lc rgb \"black\" title \"memcpy\","
  for peer in "4 gray VOLK" "6 brown SLEEF" "7 orange libmvec"; do
    set -- $peer
    if awk -v c="$1" '$c > 0 {found = 1} END {exit !found}' "$base"; then
      plot="$plot \"$base\" using 1:(\$$1 > 0 ? \$$1 : 1/0) with linespoints lc rgb \"$2\" title \"$3\","
    fi
  done
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
    echo "| flavour | elements | library ns/elem | -O3 loop ns/elem | memcpy ns/elem | VOLK ns/elem | SLEEF ns/elem | libmvec ns/elem |"
    echo "|---|---|---|---|---|---|---|---|"
    for f in $flavours; do
      awk -v fl="$f" "$ns"' $1 == 4096 || $1 == 1048576 {
        printf "| %s | %s | %.3f | %s | %.3f | %s | %s | %s |\n", fl, $1, $2, ns($3), $5, ns($4), ns($6), ns($7)
      }' "$data/$fn.$f.dat"
    done
    echo
  } >> "$out/report.md"
done
{
  echo "## Single-precision elementary functions"
  echo
  echo "Each gives the C library's double function rounded to float, bit for bit, errno and"
  echo "flags included (doc/verify-math.md has the proof); the -O3 loop is that element loop."
  echo "Arguments are the harness's random floats in (0, 1) (pairs of them for the binary and"
  echo "complex functions).  \"times the loop\" is the loop's time over the library's."
  echo
  echo "| flavour | function | elements | library ns/elem | -O3 loop ns/elem | times the loop | memcpy ns/elem | VOLK ns/elem | SLEEF ns/elem | libmvec ns/elem |"
  echo "|---|---|---|---|---|---|---|---|---|---|"
  for f in $flavours; do
    awk -F, -v fl="$f" "$ns"' $1 == fl {
      printf "| %s | %s | %s | %.3f | %s | %s | %.3f | %s | %s | %s |\n", fl, $2, $3, $5, ns($6),
        ($6 > 0 ? sprintf("%.1f", $6 / $5) : "-"), $9, ns($8), ns($10), ns($11)
    }' "$data/math.csv"
  done
  echo
} >> "$out/report.md"
echo "wrote $out/report.md"
