#!/bin/sh
# Builds the benchmarks with optimisation, runs them all and writes the
# figures, each with its goal, to bench/RESULTS.md.
set -e
cd "$(dirname "$0")/.."
sh scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARO_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j2 --target bench_startup bench_gauges bench_editors bench_link bench_cli bench_history bench_series tessaro-cli
export QT_QPA_PLATFORM=offscreen
out=bench/RESULTS.md
tmp=$(mktemp -d)
for b in bench_startup bench_gauges bench_editors bench_link bench_cli bench_history bench_series; do
  # A benchmark over its goal exits 1; its figures go into the table all the same.
  build-bench/bench/$b 2>/dev/null > "$tmp/$b.txt" || true
done

{
  echo "# Benchmark figures"
  echo
  echo "Measured by \`sh bench/run.sh\` on $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')), $(date -u +%Y-%m-%d)."
  echo
  echo "| figure | measured | goal |"
  echo "|---|---|---|"
  awk '/start-up to a shown window/ {print "| start-up to a shown window (port listing included) | " $7 " ms | at most 1000 ms |"}
       /peak memory/ {print "| peak memory | " $3 " MiB | at most 100 MiB |"}' "$tmp/bench_startup.txt"
  awk '$1=="throw"||$1=="speed"||$1=="centre"||$1=="deadband"||$1=="position" {print "| one gauge: " $1 " | " $2 " ms | at most 0.5 ms |"}
       $1=="all" {print "| all five gauges | " $3 " ms | at most 2.5 ms |"}' "$tmp/bench_gauges.txt"
  awk '/median/ && /paints/ {n=$1; if ($2!="median") n=n " " $2; for (i=1;i<=NF;i++) if ($i=="median") print "| one scroll-bar move: " n " | " $(i+1) " ms | at most 1 ms |"}' "$tmp/bench_editors.txt"
  awk -F'  +' '/median/ && /floor/ {
       split($0, a, "median"); split(a[2], m, " "); split($0, f, "floor"); split(f[2], fl, " ");
       split($0, c, "CPU"); split(c[2], cp, " ");
       name=$1; goal=(/no goal/) ? "none (the trace written to a file)" : "within 2 % of the floor";
       print "| " name " | " m[1] " ms (floor " fl[1] " ms) | " goal " |";
       print "| CPU share during " name " | " cp[1] " % | at most 5 % |" }' "$tmp/bench_link.txt"
  awk '/tessaro-cli read/ {for (i=1;i<=NF;i++) {if ($i=="median") m=$(i+1); if ($i=="floor") f=$(i+1)}
       print "| tessaro-cli read, process included | " m " ms (floor " f " ms) | within 10 % of the floor |"}' "$tmp/bench_cli.txt"
  awk '/waiting for a servo/ {for (i=1;i<=NF;i++) if ($i=="CPU") print "| CPU share while a series waits for a servo | " $(i+1) " % | at most 2 % |"}
       /plugged in to verdict/ {for (i=1;i<=NF;i++) {if ($i=="median") m=$(i+1); if ($i=="floor") f=$(i+1)}
       print "| series, one servo from plugged in to verdict | " m " ms (floor " f " ms) | noticed within 1 s |"}' "$tmp/bench_series.txt"
  echo
  echo "Raw output:"
  echo
  for b in bench_startup bench_gauges bench_editors bench_link bench_cli bench_history bench_series; do
    echo '```'
    cat "$tmp/$b.txt"
    echo '```'
  done
} > "$out"
rm -rf "$tmp"
cat "$out"
