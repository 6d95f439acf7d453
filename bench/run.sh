#!/usr/bin/env bash
# Times mecaro reading a catalogue of 60000 FPFIT events (the store's
# capacity): with no extraction test, with the polygon test, and with the
# rake test. Usage: bench/run.sh [path to mecaro], from the source tree;
# without an argument it builds build/app/mecaro first.
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
. "$src/bench/mecaro.sh"
bin=$(mecaro_binary "${1:-}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

awk -f "$src/bench/catalogue.awk" > bench.fps
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
