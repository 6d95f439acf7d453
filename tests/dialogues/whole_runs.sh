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

# Waits, 30 s at most, until the run started by startfed has printed that
# many lines: it then waits for its next answer.
waitlines() {
  local k
  for ((k = 0; k < 600; k++)); do
    [ "$(cat a.out 2> /dev/null | wc -l)" -ge "$1" ] && return 0
    sleep 0.05
  done
  echo "waited in vain for line $1 of the run"
  fail=1
  return 1
}

# The number of pages of a PDF, as poppler reads it (nothing when it reads
# none).
pdfpages() { pdfinfo "$1" 2> /dev/null | sed -n 's/^Pages: *//p'; }
