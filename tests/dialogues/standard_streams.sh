#!/usr/bin/env bash
# Whole runs of mecaro started without one of its standard streams, or
# whose keyboard or console goes away. A keyboard or console gone must end
# the run at once as at the end of input (status 2), an open window's files
# finished.
#   keyboard closed        standard input closed (<&-)
#   keyboard a folder      standard input a directory: every read fails
#   console a closed pipe  standard output a pipe whose reader quits once the
#                          window is open; the answers go on to the quit code
#   no standard error      standard error closed (2>&-): the Si-Sh table,
#                          the first file opened, holds only its own lines
#                          while the window's PDF cannot be written
set -u
bin=$1
cases=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export SOURCE_DATE_EPOCH=1700000000 MECARO_SCREEN=1024x768 TZ=UTC
fail=0
check() {  # name, status, expected status
  if [ "$2" != "$3" ]; then echo "$1: exit status $2, expected $3"; fail=1; fi
}

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
mkdir sish && cd sish || exit 1
cp -r "$cases/map/sish_table_of_fpfit_events"/. .
mkdir sishmap.pdf
timeout 5 "$bin" < answers > /dev/null 2>&-
check "no standard error" $? 0
if ! cmp -s sish.txt out/sish.txt; then
  echo "no standard error: sish.txt differs:"; diff out/sish.txt sish.txt; fail=1
fi

exit $fail
