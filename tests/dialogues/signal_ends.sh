#!/usr/bin/env bash
# Runs of mecaro stopped by a signal end as shells, terminals and scripts
# expect of a Unix program.
#   by the signal        SIGINT, SIGHUP, SIGTERM at a prompt, the window
#                        open: its parent sees the run ended by the signal,
#                        the PDF whole
#   a loop at a terminal Ctrl-C stops a shell loop that runs mecaro
#   two, three signals   a second SIGINT while the map of 60000 events is
#                        finished is told and the PDF kept; a third ends
#                        the run at once
#   a signal while the run ends
#                        at the end of input, while the map is finished:
#                        told, the run ended by it, the PDF whole
#   an alarm from outside
#                        SIGALRM at a prompt and while the map is drawn
#                        ends the run by SIGALRM
#   a log no one reads   SIGTERM with the drawing log on a named pipe held
#                        open and never read ends the run within seconds
#   Ctrl-Z, kill %1      at the file-name prompt, a name typed and not
#                        entered, under load: the run ends by SIGTERM, the
#                        name is not taken and the terminal is as it was;
#                        Ctrl-C there ends the run within 5 s
#   a console pipe       the stop line, and a second signal's, are lines
#                        of their own on a pipe, or a file, that standard
#                        output and error share
#   a standard output kept open
#                        a later run may write the file a shell keeps open
#                        after a run that had it as standard output
#   a signal ignored     an interrupt the run was started ignoring stays so
#   a file-size limit    a PDF that cannot fit is removed and told once
. "$(dirname "$0")/whole_runs.sh"

# The parent of a run: it runs its command line, keeps the process number
# of it in `child`, and writes how its waitpid saw it end into `ended`
# ("signal N" or "status N").
parent='defined(my $pid = fork) or die; if (!$pid) { exec @ARGV; exit 127 }
  open(F, ">child"); print F "$pid\n"; close F; waitpid($pid, 0);
  open(F, ">ended"); print F ($? & 127 ? "signal " . ($? & 127) : "status " . ($? >> 8)), "\n"'

# Starts mecaro as startfed does, as the child of that parent, the stop
# signals at their default action; pid is the run's own process.
startchild() {
  rm -f child ended
  startfed perl -e "$parent" env --default-signal=INT,HUP,TERM "$@"
  parentpid=$pid
  waituntil test -s child
  pid=$(cat child)
}

# Waits for the run started by startchild to end, and checks how, and
# when given, that it ended within that many seconds of SECONDS=0.
ended() {  # name, how it must have ended[, seconds]
  wait "$parentpid"
  exec 3>&-
  [ "$(cat ended)" = "$2" ] || { echo "$1: ended with $(cat ended), expected $2"; fail=1; }
  [ "${3:-$SECONDS}" -ge "$SECONDS" ] || { echo "$1: ended after $SECONDS s"; fail=1; }
}

# Whether poppler reads the PDF with that many pages.
wholepdf() {  # name, file, pages
  [ "$(pdfpages "$2")" = "$3" ] || { echo "$1: the PDF is not read whole"; fail=1; }
}

# Waits until the Si-Sh table sish.txt of the map passes a megabyte: the
# map is well under way.
mapstarted() { waituntil eval '[ "$(stat -c %s sish.txt 2> /dev/null || echo 0)" -gt 1000000 ]'; }

# Whether the file holds the line.
told() {  # name, file, line
  grep -qx -- "$3" "$2" || { echo "$1: not told \"$3\""; cat "$2"; fail=1; }
}

# Reads 60000 generated events and maps them with the Si-Sh table, written
# into sish.txt; returns once the map is well under way.
mapping() {
  cp "$sish/dravo1_ini_u.txt" ../e60000.fps .
  { printf '\n1000\n1000\ne60000.fps\n\n'; sishmap sish.txt; } >&3
  mapstarted
}

events 60000 > e60000.fps
pbt=$cases/stereonet/pbt_pages_of_fpfit_events

for signal in INT HUP TERM; do
  fresh "$signal"
  cp "$pbt/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
  waiting=$(linesbefore "$drawn")
  startchild
  printf '%s' "$drawn" >&3
  waitlines "$waiting"
  kill -s "$signal" "$pid"
  ended "by the signal $signal" "signal $(kill -l "$signal")"
  told "by the signal $signal" a.err "mecaro: stopped by SIG$signal"
  wholepdf "by the signal $signal" QZ_Fit_A4P.pdf 2
done

# Ctrl-C as a terminal sends it, to the whole foreground process group.
fresh loop
cp "$sish/dravo1_ini_u.txt" .
{
  waitfor t.out "HIT RETURN TO CONTINUE"
  printf '\003'
  waitfor t.out "stopped by"
  sleep 1
} | timeout 20 script -qfec "bash -c 'for i in 1 2 3; do $bin; echo run \$i ended with \$?; done; echo loop done'" /dev/null > t.out 2>&1
grep -qa "stopped by SIGINT" t.out && ! grep -qa "ended with\|loop done" t.out ||
  { echo "a loop at a terminal: went on after Ctrl-C"; fail=1; }

fresh second
startchild
mapping
kill -s INT "$pid"
sleep 0.7
kill -s INT "$pid"
ended "two signals" "signal 2"
told "two signals" a.err "mecaro: stopped by SIGINT"
told "two signals" a.err "mecaro: finishing the open files"
told "two signals" a.err "mecaro: still finishing; once more ends at once and leaves them unfinished"
wholepdf "two signals" map.pdf 1

fresh third
startchild
mapping
for ((k = 0; k < 3; k++)); do
  kill -s INT "$pid"
  sleep 0.3
done
SECONDS=0
ended "three signals" "signal 2" 2
told "three signals" a.err "mecaro: ended at once by SIGINT; the open files are left unfinished"

# The end of input while the map's window is open: the run ends finishing
# its PDF, and the signal comes then.
fresh ending
startchild
mapping
waitfor a.out "Enter type of line file"
exec 3>&-
sleep 0.5
kill -s INT "$pid"
ended "a signal while the run ends" "signal 2"
told "a signal while the run ends" a.err "mecaro: stopped by SIGINT"
wholepdf "a signal while the run ends" map.pdf 1

fresh "alarm at a prompt"
startchild
printf '\n' >&3
waitfor a.out "READ + EXTRACT DATA"
kill -s ALRM "$pid"
SECONDS=0
ended "an alarm at a prompt" "signal 14" 1

fresh "alarm while drawing"
startchild
mapping
kill -s ALRM "$pid"
SECONDS=0
ended "an alarm while drawing" "signal 14" 1

# 150 pages of nets of 3000 events, each page far more log than a pipe
# holds.
fresh "log unread"
cp "$sish/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
for ((k = 0; k < 500; k++)); do cat fpfit_example_hinv.fps; done > e3000.fps
mkfifo log.fifo
sleep 60 <> log.fifo &
reader=$!
startchild env MECARO_DRAWLOG=log.fifo
printf '\n1000\n1000\ne3000.fps\n10\n\n\n3001\n1000\n0\n' >&3
waitfor a.out "PLOTTING Page 1/150"
sleep 0.5
kill -s TERM "$pid"
SECONDS=0
ended "a log no one reads" "signal 15" 10
kill "$reader"
told "a log no one reads" a.err "mecaro: cannot write the drawing log log.fifo: it is left incomplete"

# Each try runs mecaro at an interactive shell up to the file-name prompt,
# types a name there without entering it, then stops the run by Ctrl-Z and
# ends it by `kill %1` (SIGTERM, then SIGCONT), or interrupts it by Ctrl-C
# and writes its status. The shell writes the terminal's settings before
# and after; `took` is how long the run took to tell its stop. How a job
# ended is told at the shell's next prompt ("Terminated" when SIGTERM ended
# it, "Exit 143" when it exited so): `wait %1` may take the job for stopped
# still, or for gone.
fresh terminal
cp "$pbt/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
atterminal() {  # the keys that stop the run, the shell's command then
  rm -f before after status took t.out
  {
    printf 'stty -g > before; %s\n' "$bin"
    waitfor t.out "HIT RETURN TO CONTINUE"
    printf '\n1000\n1000\n'
    waitfor t.out "Choose FPFIT input file name"
    printf 'fpfit_example_hinv.fps'
    sleep 0.1
    SECONDS=0
    printf '%s' "$1"
    waitfor t.out "Stopped\|stopped by"
    printf '%s\n' "$2"
    waitfor t.out "stopped by"
    echo "$SECONDS" > took
    for ((j = 0; j < 40; j++)); do
      grep -qa "Terminated\|Exit [0-9]" t.out || [ -s status ] && break
      sleep 0.25
      printf '\n'
    done
    printf 'stty -g > after; exit\n'
    waituntil test -s after
  } | timeout 60 script -qfec "bash --norc --noprofile -i" /dev/null > t.out 2>&1
}
busy=()
for ((k = 0; k < $(nproc); k++)); do
  timeout 120 sh -c 'while :; do :; done' &
  busy+=($!)
done
for ((k = 1; k <= 20; k++)); do
  atterminal $'\032' 'kill %1'
  grep -qa "Terminated" t.out && cmp -s before after && ! grep -qa "filename = fpfit_example_hinv.fps" t.out ||
    { echo "Ctrl-Z, kill %1, try $k: $(grep -a "Terminated\|Exit [0-9]\|Stopped" t.out | tail -1), terminal $(cmp -s before after && echo kept || echo changed)"; fail=1; }
done
kill "${busy[@]}"
atterminal $'\003' 'echo $? > status'
[ "$(cat status)" = 130 ] && cmp -s before after || { echo "Ctrl-C at the name prompt: status $(cat status)"; fail=1; }
[ "$(cat took)" -le 5 ] || { echo "Ctrl-C at the name prompt: stopped after $(cat took) s"; fail=1; }

fresh "console pipe"
cp "$sish/dravo1_ini_u.txt" ../e60000.fps .
{ printf '\n1000\n1000\ne60000.fps\n\n'; sishmap sish.txt; } > answers
for ((k = 1; k <= 10; k++)); do
  rm -f sish.txt map.pdf map.png
  if ((k % 2)); then
    env --default-signal=TERM "$bin" < answers 2>&1 | cat > out.txt &
  else
    env --default-signal=TERM "$bin" < answers > out.txt 2>&1 &
  fi
  mapstarted
  run=$(pgrep -x -P $$ mecaro)
  kill -s TERM "$run"
  if ((k > 6)); then  # a second signal, once the first is taken
    waituntil awk '/^(SigPnd|ShdPnd):/ && $2 !~ /^0+$/ { waiting = 1 } END { exit waiting }' \
      "/proc/$run/status" 2> /dev/null
    kill -s TERM "$run"
  fi
  wait
  grep -qx "mecaro: stopped by SIGTERM" out.txt ||
    { echo "a console pipe, try $k: $(grep -a "stopped by" out.txt)"; fail=1; }
  ((k <= 6)) || grep -qx "mecaro: still finishing; .*" out.txt ||
    { echo "a console pipe, try $k: $(grep -a "still finishing" out.txt)"; fail=1; }
done

fresh "standard output kept"
cp "$sish/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
{
  printf '\n9999\n' | "$bin"
  exec sleep 30
} > log.txt &
keeper=$!
waitfor log.txt "&&&&&&&&&&&&"
printf '\n1000\n1000\nfpfit_example_hinv.fps\n1200\n12\nlog.txt\ny\n2000\n\n99\n9999\n' | "$bin" > b.out 2>&1
check "a standard output kept open" $? 0
kill "$keeper"
! grep -q "$held" b.out || { echo "a standard output kept open: the file is refused"; fail=1; }
[ "$(wc -l < log.txt)" = 8 ] || { echo "a standard output kept open: the table is not written"; fail=1; }

fresh ignored
startchild env --ignore-signal=INT
printf '\n' >&3
waitfor a.out "READ + EXTRACT DATA"
kill -s INT "$pid"
sleep 0.5
(printf '9999\n' >&3) 2> /dev/null  # the run may be gone
ended "a signal ignored" "status 0"
[ ! -s a.err ] || { echo "a signal ignored:"; cat a.err; fail=1; }

fresh "size limit"
cp "$pbt/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
printf '%s20\n\n9999\n' "$drawn" | (ulimit -f 20 && exec "$bin") 2> a.err > /dev/null
check "a file-size limit" $? 0
[ ! -e QZ_Fit_A4P.pdf ] || { echo "a file-size limit: an unfinished PDF is left"; fail=1; }
[ "$(grep -c "QZ_Fit_A4P.pdf" a.err)" = 1 ] || { echo "a file-size limit: told"; cat a.err; fail=1; }

exit $fail
