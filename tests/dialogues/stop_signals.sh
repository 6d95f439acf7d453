#!/usr/bin/env bash
# Runs of mecaro stopped by a signal end as at the end of input: their
# files finished (every PDF read by poppler with its pages, every table
# row written whole), the signal told on standard error, status 128 + its
# number.
#   interrupt, hang-up   SIGINT, SIGHUP at a prompt, the window open with
#                        two pages drawn and a table written and open
#   terminate            SIGTERM while the map of 60000 events is drawn
#                        with the Si-Sh table written, then SIGHUP while
#                        the run ends, as a terminal closed may send it:
#                        a hang-up is no second signal
#   terminate, a pipe unread
#                        SIGTERM while a table waits on a pipe that no one
#                        reads: the table is told incomplete
#   interrupt at a terminal
#                        Ctrl-C typed at the file-name prompt (readline),
#                        the window open
. "$(dirname "$0")/whole_runs.sh"

# Whether the run stopped by the signal ended as it should.
stopped() {  # name, signal, status
  check "$1" "$3" "$((128 + $(kill -l "$2")))"
  grep -qx "mecaro: stopped by SIG$2" a.err || { echo "$1: not told"; cat a.err; fail=1; }
}

# Signals the run once it waits at the prompt after its answers, and waits
# for its end; status is its exit status.
stopat() {  # signal, answers
  local waiting
  waiting=$(linesbefore "$2")
  startfed env --default-signal=INT,HUP,TERM
  printf '%s' "$2" >&3
  waitlines "$waiting"
  kill -s "$1" "$pid"
  wait "$pid"
  status=$?
  exec 3>&-
}

for signal in INT HUP; do
  fresh "$signal"
  cp "$cases/stereonet/pbt_pages_of_fpfit_events/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
  stopat "$signal" "$drawn"$'1200\n12\nt.txt\n2000\n\n'
  stopped "$signal" "$signal" "$status"
  [ "$(pdfpages QZ_Fit_A4P.pdf)" = 2 ] || { echo "$signal: the PDF is not read whole"; fail=1; }
  [ "$(wc -l < t.txt)" = 8 ] || { echo "$signal: the table is not whole"; fail=1; }
done

# The map of the Si-Sh case over 60000 generated events.
fresh TERM
cp "$sish/dravo1_ini_u.txt" .
events 60000 > e60000.fps
startfed env --default-signal=TERM
{ printf '\n1000\n1000\ne60000.fps\n\n'; sishmap sish.txt; } >&3  # a full store is told
waituntil eval '[ "$(stat -c %s sish.txt 2> /dev/null || echo 0)" -gt 1000000 ]'
kill -s TERM "$pid"
SECONDS=0
waituntil test -s a.err
kill -s HUP "$pid"
wait "$pid"
stopped TERM TERM $?
exec 3>&-
[ "$SECONDS" -le 20 ] || { echo "TERM: stopped after $SECONDS s"; fail=1; }
[ "$(pdfpages map.pdf)" = 1 ] || { echo "TERM: the PDF is not read whole"; fail=1; }
rows=$(wc -l < sish.txt)
[ "$rows" -lt 60001 ] || { echo "TERM: the map was not stopped"; fail=1; }
[ "$(tail -c 1 sish.txt | od -An -c | tr -d ' ')" = '\n' ] &&
  [ "$(awk 'NR == 1 { n = length($0) } length($0) != n' sish.txt | wc -l)" = 0 ] ||
  { echo "TERM: a row of the Si-Sh table is cut"; tail -n 2 sish.txt; fail=1; }

# 3000 events written as a table into a named pipe held open by a reader
# that never reads.
fresh unread
cp "$sish/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
for ((k = 0; k < 500; k++)); do cat fpfit_example_hinv.fps; done > e3000.fps
mkfifo table.fifo
sleep 30 <> table.fifo &
reader=$!
startfed env --default-signal=TERM
printf '\n1000\n1000\ne3000.fps\n1200\n12\ntable.fifo\ny\n2000\n' >&3
waitfor a.out " TABULATED FPFIT ORIGINAL ORDER"
kill -s TERM "$pid"
SECONDS=0
wait "$pid"
stopped "terminate, a pipe unread" TERM $?
exec 3>&-
kill "$reader"
[ "$SECONDS" -le 10 ] || { echo "terminate, a pipe unread: stopped after $SECONDS s"; fail=1; }
grep -qx " WRITE ERROR ON FILE table.fifo" a.err ||
  { echo "terminate, a pipe unread: the table is not told incomplete"; fail=1; }

fresh terminal
cp "$sish/dravo1_ini_u.txt" .
{
  printf '\n10\n\n\n1000\n1000\n'
  waitfor t.out "Choose FPFIT input file name"
  printf '\003'
  waitfor t.out "mecaro: stopped by"
} | script -qfec "$bin" /dev/null > t.out 2>&1
check "interrupt at a terminal" $? 130
grep -qa "mecaro: stopped by SIGINT" t.out || { echo "interrupt at a terminal: not told"; fail=1; }
[ "$(pdfpages QZ_Fit_A4P.pdf)" = 1 ] || { echo "interrupt at a terminal: the PDF is not read whole"; fail=1; }

exit $fail
