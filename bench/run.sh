#!/usr/bin/env bash
# Times mecaro reading a catalogue of 60000 FPFIT events (the store's
# capacity): with no extraction test, with the polygon test, and with the
# rake test. Usage: bench/run.sh [path to mecaro], from the source tree;
# without an argument it builds build/mecaro first.
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-}
if [ -z "$bin" ]; then
  cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$src/build" -j2 --target mecaro >/dev/null
  bin=$src/build/mecaro
fi
bin=$(realpath "$bin")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# 60000 valid 141-column FPFIT records: epicentres spread over 30-40 N,
# 115-125 W, depths 0-30 km, every dip direction, dip and rake.
awk 'BEGIN {
  for (i = 0; i < 60000; i++) {
    lat = 30 + (i * 7919 % 10000) / 1000.0
    lon = 115 + (i * 104729 % 10000) / 1000.0
    latd = int(lat); lond = int(lon)
    printf "%4d%02d%02d %02d%02d%6.2f%3d %5.2f%4d %5.2f%7.2f  %5.2f%3d%4d%5.1f%5.2f%5.1f%5.1f  C %3d %2d%4d  %4.2f %3d %5.2f %4.2f %4.2f  %2d %2d %2d  %10d\n",
      1990 + i % 30, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i % 6000) / 100.0,
      latd, (lat - latd) * 60, lond, (lon - lond) * 60, (i % 3000) / 100.0,
      1 + (i % 400) / 100.0, 10 + i % 50, i % 360, (i % 500) / 10.0, (i % 100) / 100.0,
      (i % 50) / 10.0, (i % 80) / 10.0,
      i % 360, 1 + i % 90, (i * 37) % 360 - 180,
      (i % 100) / 100.0, 10 + i % 90, (i % 100) / 100.0, (i % 100) / 100.0, (i % 100) / 100.0,
      i % 40, i % 40, i % 40, 100000 + i
  }
}' > bench.fps
awk 'length($0) != 141 { print "bad record length " length($0) " at line " NR; exit 1 }' bench.fps

# A polygon around the middle quarter of the epicentres (great circles).
printf '4 1\n-122.5 32.5\n-117.5 32.5\n-117.5 37.5\n-122.5 37.5\n' > quarter.poly

# Answers: the header box, the read (with a Return for the full-store
# warning when every event is retained), the quit.
printf '\n1000\n1000\nbench.fps\n\n9999\n' > notest.answers
printf '\n1000\n100\n10\ny\n250\ny\n252\nquarter.poly\n99\n1000\nbench.fps\n9999\n' > polygon.answers
printf '\n1000\n100\n10\ny\n500\ny\n510\n0\n90\n99\n1000\nbench.fps\n9999\n' > rake.answers

for run in notest polygon rake; do
  start=$(date +%s.%N)
  "$bin" < $run.answers > $run.transcript 2>&1
  end=$(date +%s.%N)
  kept=$(awk '/Nb of data/ { print $8 }' $run.transcript)
  awk -v run=$run -v s="$start" -v e="$end" -v kept="$kept" \
    'BEGIN { printf "%-8s %6.3f s  (60000 read, %s retained)\n", run, e - s, kept }'
done
