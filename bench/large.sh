#!/usr/bin/env bash
# Times mecaro on large catalogues, whole runs driven by answers on standard
# input, and prints per line the median elapsed time and the peak memory;
# with gmt on the PATH the same mechanisms and line drawn by gmt meca and
# gmt plot, and a plain C++ reader of the same columns, are timed too and
# the ratios printed.
#
# Usage: bench/large.sh [-r reps] [-s] [-g] [-c] [path to mecaro], from the
# source tree; without a path it builds build/app/mecaro first.
#   -r reps  repetitions of each plot line (default 3), three times as many
#            of the reading and writing lines, which take a fraction of a
#            second; the median is printed
#   -s       skip the 3001 run of 60000 events (about 5 minutes, run once)
#   -g       skip the gmt yardsticks
#   -c       only the reading and writing lines
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
reps=3 long=1 yardsticks=1 plots=1
while getopts "r:sgc" opt; do
  case $opt in
    r) reps=$OPTARG ;;
    s) long=0 ;;
    g) yardsticks=0 ;;
    c) plots=0 ;;
    *) echo "usage: $0 [-r reps] [-s] [-g] [-c] [mecaro]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
. "$src/bench/mecaro.sh"
bin=$(mecaro_binary "${1:-}")
command -v gmt >/dev/null || yardsticks=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The catalogues, the plot window's settings (default page set-up) and the
# million-point line, "latitude longitude" per line as the USGS dump kind
# reads it.
awk -f "$src/bench/catalogue.awk" > e60000.fps
head -1000 e60000.fps > e1000.fps
head -1 e60000.fps > e1.fps
printf ' 1 1\n    \n' > dravo1_ini_u.txt
awk 'BEGIN { for (i = 0; i < 1000000; i++)
  printf "%9.4f %10.4f\n", 35 + 4.5 * sin(i * 0.0001), -120 + 4.5 * sin(i * 0.00013) }' > line.usgs
c++ -O2 -std=c++20 -o plain_reader "$src/bench/plain_reader.cpp"

# Answers. Every run starts with the header box and a read; a read of 60000
# events fills the store, whose warning wants a Return.
reading() {  # reading <catalogue>
  printf '\n1000\n1000\n%s\n' "$1"
  [ "$1" = e60000.fps ] && echo
  return 0
}
# Stereonet pages: the run opens the window (default settings, its name),
# every page after the first asks to clear (Return), the window is disposed
# of at the quit.
pages() {  # pages <code> <events> <pages>
  reading "e$2.fps"
  printf '%s\n1000\n\nnets\n' "$1"
  [ "$1" = 3000 ] && printf '1000\n\n'
  for ((p = 1; p < $3; p++)); do echo; done
  printf '99\n9999\n\n'
}
# A map on the default spherical Mercator over the events' box; the line
# file, if any, is drawn as a USGS dump.
map() {  # map <catalogue> [line file]
  reading "$1"
  printf '2001\n320\n10\n30, 40 1\n20\n-125 -115\n1\n\n1000\n\nmap\n99\n'
  [ $# -gt 1 ] && printf '4\n%s\n' "$2"
  printf '99\n99\n9999\n\n'
}
pages 3001 1000 50 > p3001_1000.answers
pages 3001 60000 3000 > p3001_60000.answers
pages 3000 60000 1 > p3000_60000.answers
map e60000.fps > map_60000.answers
map e1.fps line.usgs > map_line.answers
{ reading e60000.fps; printf '1200\n1000\nwritten.fps\ny\n99\n9999\n'; } > write_60000.answers
{ reading e60000.fps; printf '9999\n'; } > read_60000.answers

# gmt's input: longitude, latitude, depth, strike, dip, rake, magnitude.
awk '{ lat = substr($0, 20, 3) + substr($0, 24, 5) / 60
       lon = -(substr($0, 29, 4) + substr($0, 34, 5) / 60)
       print lon, lat, substr($0, 39, 7) + 0, substr($0, 84, 3) - 90, substr($0, 88, 2) + 0,
             substr($0, 90, 4) + 0, substr($0, 48, 5) + 0 }' e60000.fps > m60000.txt
head -1000 m60000.txt > m1000.txt
awk '{ print $2, $1 }' line.usgs > line.xy

# Median elapsed seconds and peak resident memory (MB) of n runs of a
# shell command (the memory from /usr/bin/time, the time from the clock).
measured=""
timed() {  # timed <n> <command>; sets measured to "seconds megabytes"
  local i
  : > times
  for ((i = 0; i < $1; i++)); do
    local start=$(date +%s.%N)
    /usr/bin/time -f '%M' -o one sh -c "$2" > /dev/null 2>&1 || { echo "failed: $2" >&2; exit 1; }
    echo "$(date +%s.%N) $start $(cat one)" | awk '{ print $1 - $2, $3 }' >> times
  done
  measured=$(sort -n times | awk '{ t[NR] = $1; if ($2 > m) m = $2 }
    END { printf "%.3f %.0f", (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2, m / 1024 }')
}
meca() {  # meca <mechanisms> <projection>: the command drawing them as a PDF
  echo "gmt begin meca pdf && gmt meca $1 -R-125/-115/30/40 $2 -Sa0.4c -B && gmt end"
}

row() {  # row <work> <seconds> <MB> [yardstick text, seconds]
  local ratio=""
  [ $# -gt 3 ] && ratio=$(awk -v a="$2" -v b="$5" 'BEGIN { printf "%.2f x", a / b }')
  printf '| %-44s | %8s s | %6s MB | %-34s | %8s |\n' "$1" "$2" "$3" "${4:-}" "$ratio"
}
mine=""
line() {  # line <work> <runs> <answers> [yardstick text, command]; sets mine
  local what=$1 n=$2 answers=$3
  shift 3
  timed "$n" "exec '$bin' < $answers"
  mine=${measured% *}
  if [ $# -gt 1 ] && [ $yardsticks = 1 ]; then
    local peak=${measured#* } yard=$1
    timed "$n" "$2"
    row "$what" "$mine" "$peak" "$yard: ${measured% *} s" "${measured% *}"
  else
    row "$what" "$mine" "${measured#* }"
  fi
}

echo "mecaro: $bin, median of $reps runs, $((3 * reps)) of reading and writing (the 60000-event 3001 run: one)"
printf '| %-44s | %10s | %9s | %-34s | %8s |\n' work time peak yardstick ratio
if [ $plots = 1 ]; then
  line "3001, 1000 events (50 pages)" "$reps" p3001_1000.answers "gmt meca 1000" "$(meca m1000.txt -JX16c)"
  if [ $long = 1 ]; then
    line "3001, 60000 events (3000 pages)" 1 p3001_60000.answers "gmt meca 60000" "$(meca m60000.txt -JX16c)"
  fi
  line "3000, 60000 events" "$reps" p3000_60000.answers "gmt meca 60000" "$(meca m60000.txt -JX16c)"
  line "2001, 60000 events, stress symbols, Mercator" "$reps" map_60000.answers \
    "gmt meca 60000 Mercator" "$(meca m60000.txt -JM16c)"
  line "a 1,000,000-point line file on a map" "$reps" map_line.answers \
    "gmt plot of the line" \
    "gmt begin line pdf && gmt plot line.xy -R-125/-115/30/40 -JM16c -W0.5p -B && gmt end"
fi
reps=$((3 * reps))
yardsticks=1 line "reading 60000 events" "$reps" read_60000.answers "plain C++ reader" "exec ./plain_reader e60000.fps"

# The writing rate: the bytes written over the time the write adds to the
# read; cat's rate: the same bytes over a whole cat run.
read_s=$mine
timed "$reps" "rm -f written.fps && exec '$bin' < write_60000.answers"
bytes=$(stat -c %s written.fps)
rate=$(awk -v b="$bytes" -v w="${measured% *}" -v r="$read_s" 'BEGIN { printf "%.0f", b / 1e6 / (w - r) }')
timed "$reps" "exec cat e60000.fps > copy.fps"
cat_rate=$(awk -v b="$bytes" -v t="${measured% *}" 'BEGIN { printf "%.0f", b / 1e6 / t }')
printf '| %-44s | %6s MB/s |           | %-34s | %8s |\n' "1200 of 60000 events as FPFIT records" "$rate" \
  "cat of the same file: $cat_rate MB/s" "$(awk -v a="$rate" -v b="$cat_rate" 'BEGIN { printf "%.2f x", a / b }')"
