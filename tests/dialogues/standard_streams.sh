#!/usr/bin/env bash
# Whole runs of mecaro started without one of its standard streams, whose
# keyboard or console goes away, whose standard streams are named as its
# outputs, or that use pipes as files. A keyboard or console gone must end
# the run at once as at the end of input (status 2), an open window's files
# finished.
#   keyboard closed        standard input closed (<&-)
#   keyboard a folder      standard input a directory: every read fails
#   console a closed pipe  standard output a pipe whose reader quits once the
#                          window is open; the answers go on to the quit code
#   no standard error      standard error closed (2>&-): the Si-Sh table,
#                          the first file opened, holds only its own lines
#                          while the window's PDF cannot be written
#   outputs named as the transcript, drawing log named as the table
#                          an output named as a file the run writes already
#                          is refused: the file keeps only its own lines
#   two outputs on a pipe  a pipe may take several outputs
#   command file a named pipe
#                          its end is seen once its writer closes it
#   a table on the console's pipe
#                          its rows reach the pipe whole, between the
#                          console's lines
#   outputs on named pipes no one reads
#                          the drawing log and the window's PDF and PNG are
#                          refused at once, each told in one line
. "$(dirname "$0")/whole_runs.sh"

timeout 5 "$bin" <&- > closed.out 2>&1
check "keyboard closed" $? 2
tail -n 1 closed.out | grep -qx " END OF STANDARD INPUT ===> STOPPING EXECUTION" ||
  { echo "keyboard closed: last line is '$(tail -n 1 closed.out)'"; fail=1; }

timeout 5 "$bin" < "$work" > folder.out 2>&1
check "keyboard a folder" $? 2
[ "$(wc -l < folder.out)" -lt 100 ] || { echo "keyboard a folder: $(wc -l < folder.out) lines"; fail=1; }

# Window opened with the defaults and titled "gone"; then enough listings
# to fill the pipe after its reader has quit, and the quit code.
{
  printf '\n10\n\ngone\n'
  for _ in $(seq 400); do echo 1100; done
  printf '9999\n\n'
} > answers
printf ' 1 1\n    \n' > dravo1_ini_u.txt
timeout 5 "$bin" < answers 2> pipe.err | sed -n '/Starting QZ context/q'
check "console a closed pipe" "${PIPESTATUS[0]}" 2
tail -c 6 gone.pdf | grep -q '%%EOF' || { echo "console a closed pipe: gone.pdf unfinished"; fail=1; }

# The Si-Sh case's run, its window's PDF made impossible by a folder of its
# name: the failure is told on standard error, which is closed.
fresh sish
cp -r "$sish"/. .
mkdir sishmap.pdf
timeout 5 "$bin" < answers > /dev/null 2>&-
check "no standard error" $? 0
if ! cmp -s sish.txt out/sish.txt; then
  echo "no standard error: sish.txt differs:"; diff out/sish.txt sish.txt; fail=1
fi

# The store read, a table written to 1200's output file named in turn by
# each name given (each refused, asked again after its pause), then to
# table.txt.
table_answers() {
  printf '\n1000\n1000\nfpfit_example_hinv.fps\n1200\n12\n'
  for name in "$@"; do printf '%s\ny\n\n' "$name"; done
  printf 'table.txt\n2000\n\n99\n9999\n'
}
fresh streams
cp "$sish/fpfit_example_hinv.fps" .

table_answers run.log /dev/stdout /proc/self/fd/1 > answers
timeout 5 "$bin" < answers > run.log 2> /dev/null
check "outputs named as standard output" $? 0
[ "$(grep -cx -- "$held" run.log)" = 3 ] && [ "$(tr -cd '\000' < run.log | wc -c)" = 0 ] &&
  head -n 2 run.log | tail -n 1 | grep -qx ' @ subroutine initsio *' ||
  { echo "outputs named as standard output: transcript spoiled"; fail=1; }
[ "$(wc -l < table.txt)" = 8 ] || { echo "outputs named as standard output: no table"; fail=1; }

rm -f table.txt
table_answers err.log /dev/stderr /proc/self/fd/2 > answers
timeout 5 "$bin" < answers > run.log 2> err.log
check "outputs named as standard error" $? 0
[ "$(grep -cx -- "$held" run.log)" = 3 ] && [ ! -s err.log ] ||
  { echo "outputs named as standard error: not refused, or err.log written"; fail=1; }

# The Si-Sh case's run, the drawing log named as its table: the log,
# opened with the window after the table, is refused.
fresh drawlog
cp -r "$sish"/. .
MECARO_DRAWLOG=sish.txt timeout 5 "$bin" < answers > /dev/null 2> err.log
check "drawing log named as the table" $? 0
if ! cmp -s sish.txt out/sish.txt; then
  echo "drawing log named as the table: sish.txt differs:"; diff out/sish.txt sish.txt | head; fail=1
fi
grep -qx "mecaro: cannot write the drawing log sish.txt: it is open for another output" err.log ||
  { echo "drawing log named as the table: not told"; cat err.log; fail=1; }

# The Si-Sh case's run with its table and a written table both on
# /dev/stdout, a pipe: the Si-Sh file opened first (13), the table written
# while it is open.
{
  sed -n 1,4p answers
  printf '13\n/dev/stdout\ny\n1200\n12\n/dev/stdout\ny\n2000\n\n99\n'
  sed -n '5,$p' answers | sed '/^sish.txt$/d'
} > piped.answers
timeout 5 "$bin" < piped.answers 2>&1 | cat > piped.out
check "two outputs on a pipe" "${PIPESTATUS[0]}" 0
grep -qax -- "$held" piped.out && { echo "two outputs on a pipe: one refused"; fail=1; }
grep -qa "^ 'Year'" piped.out && [ "$(grep -acxFf out/sish.txt piped.out)" = 7 ] ||
  { echo "two outputs on a pipe: a table did not reach the pipe"; fail=1; }

# A command file that is a named pipe, its writer closing it at once.
fresh fifo
mkfifo cmds
printf '900\n' > cmds &
writer=$!
printf '\n5000\n5001\ncmds\n\n9999\n' | timeout 5 "$bin" > fifo.out 2>&1
check "command file a named pipe" $? 0
grep -qx " END OF COMMAND FILE" fifo.out || { echo "command file a named pipe: end not seen"; fail=1; }
kill "$writer" 2> /dev/null

# The Si-Sh case's run over 200 generated events, its table written to a
# file, then to /dev/stdout, standard output and error a pipe to tee.
fresh tee
cp "$sish/dravo1_ini_u.txt" .
events 200 > e200.fps
sish_answers() {  # the table's name, and the answer to replace it if it exists
  printf '\n1000\n1000\ne200.fps\n'
  sishmap "$@"
  printf '99\n99\n9999\n\n'
}
sish_answers sish.txt | timeout 10 "$bin" > /dev/null 2>&1
sish_answers /dev/stdout y | timeout 10 "$bin" 2>&1 | tee run.log > /dev/null
[ "$(wc -l < sish.txt)" = 201 ] && [ "$(grep -cxFf sish.txt run.log)" = 201 ] ||
  { echo "a table on the console's pipe: $(grep -cxFf sish.txt run.log) whole rows"; fail=1; }

# The pages drawn ($drawn) with the window's PDF and PNG and the drawing log
# named pipes.
fresh unread
cp "$sish/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
mkfifo log.fifo QZ_Fit_A4P.pdf QZ_Fit_A4P.png
printf '%s20\n\n9999\n' "$drawn" |
  MECARO_DRAWLOG=log.fifo timeout 5 "$bin" > /dev/null 2> err.log
check "outputs on named pipes no one reads" $? 0
grep -q "^mecaro: cannot write the drawing log log.fifo: " err.log &&
  grep -q "^mecaro: cannot write plot file QZ_Fit_A4P.pdf: " err.log &&
  grep -q "^mecaro: cannot write plot file QZ_Fit_A4P.png: " err.log && [ "$(wc -l < err.log)" = 3 ] ||
  { echo "outputs on named pipes no one reads: not told in three lines"; cat err.log; fail=1; }

exit $fail
