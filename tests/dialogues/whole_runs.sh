# Sourced by the scripts of whole runs of mecaro (their first argument):
# a folder of their own, the run's environment, and the helpers they share.
set -u
bin=$1
cases=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export SOURCE_DATE_EPOCH=1700000000 MECARO_SCREEN=1024x768 TZ=UTC
sish=$cases/map/sish_table_of_fpfit_events
held=" ALREADY OPENED FOR ANOTHER OUTPUT"
fail=0

# Makes a new folder of the work folder the current folder.
fresh() { mkdir "$work/$1" && cd "$work/$1" || exit 1; }

check() {  # name, status, expected status
  if [ "$2" != "$3" ]; then echo "$1: exit status $2, expected $3"; fail=1; fi
}

# Starts mecaro in the background, the rest of the command line before it
# (env ...), its standard input the named pipe `in`, whose answers are
# written to descriptor 3, its standard output a.out and its standard error
# a.err; pid is its process.
startfed() {
  rm -f in && mkfifo in
  "$@" "$bin" < in > a.out 2> a.err &
  pid=$!
  exec 3> in
}

# How many lines a run given only these answers prints before it asks for
# more: the run is made in a folder of its own, a copy of the current one.
linesbefore() {
  local copy
  copy=$(mktemp -d -p "$work")
  cp -r . "$copy" && cd "$copy" || exit 1
  printf '%s' "$1" | "$bin" 2> /dev/null | grep -cvx " END OF STANDARD INPUT ===> STOPPING EXECUTION"
  cd - > /dev/null || exit 1
}

# Waits, 30 s at most, until the command succeeds; false when it never
# does.
waituntil() {
  local k
  for ((k = 0; k < 600; k++)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# Waits until the run started by startfed has printed that many lines: it
# then waits for its next answer.
waitlines() {
  waituntil eval '[ "$(cat a.out 2> /dev/null | wc -l)" -ge '"$1"' ]' ||
    { echo "waited in vain for line $1 of the run"; fail=1; return 1; }
}

# Waits until the file holds the text.
waitfor() { waituntil grep -qa -- "$2" "$1"; }

# The example catalogue read, the window opened with its default title
# (QZ_Fit_A4P), two pages of P, B and T nets drawn in it; then the main
# menu.
drawn=$'\n1000\n1000\nfpfit_example_hinv.fps\n10\n\n\n3001\n1000\n0\n99\n'

# Generated events, as many as asked (60000 at most).
events() { awk -f "$cases/../../bench/catalogue.awk" | head -n "$1"; }

# The answers that map the events read with the Si-Sh table written into
# the file named (then the answer to replace it, if given), up to the
# stress symbols drawn.
sishmap() {
  printf '7\ny\n2001\n'
  printf '%s\n' "$@"
  printf '320\n10\n30, 40 1\n20\n-125 -115\n1\n\n1000\n\nmap\n99\n'
}

# The number of pages of a PDF, as poppler reads it (nothing when it reads
# none).
pdfpages() { pdfinfo "$1" 2> /dev/null | sed -n 's/^Pages: *//p'; }
