#!/usr/bin/env bash
# Two runs of mecaro at once in one folder: no file that one of them has
# open for writing is written by the other.
#   one window title     both open the window with the default title while
#                        the other's is open: the second takes the next
#                        name, and each PDF is the one that run makes alone
#   one table name       a table named as the other run's open table, or
#                        as its standard output, is refused and asked again
#   one standard output  two runs writing to one log both run to the end
. "$(dirname "$0")/whole_runs.sh"

# The window closed after the pages drawn ($drawn), and the quit code.
closed=$'20\n\n9999\n'

fresh alone
cp "$cases/stereonet/pbt_pages_of_fpfit_events/"{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
waiting=$(linesbefore "$drawn")
printf '%s' "$drawn$closed" | timeout 20 "$bin" > /dev/null 2>&1
check "one window title, alone" $? 0

fresh title
cp ../alone/{fpfit_example_hinv.fps,dravo1_ini_u.txt} .
startfed
printf '%s' "$drawn" >&3
waitlines "$waiting"
printf '%s' "$drawn$closed" | timeout 20 "$bin" > b.out 2>&1
check "one window title, second run" $? 0
printf '%s' "$closed" >&3
exec 3>&-
wait "$pid"
check "one window title, first run" $? 0
grep -qx " Plot files written: QZ_Fit_A4P-2.pdf (2 pages), QZ_Fit_A4P-2.png" b.out ||
  { echo "one window title: the second run did not take the next name"; fail=1; }
for pdf in QZ_Fit_A4P.pdf QZ_Fit_A4P-2.pdf; do
  cmp -s "$pdf" ../alone/QZ_Fit_A4P.pdf || { echo "one window title: $pdf is not whole"; fail=1; }
done

# The first run has the table t.txt open in the writing menu, then writes
# it; the second names a.out (the first run's standard output) and t.txt
# before u.txt.
fresh table
cp "$sish/fpfit_example_hinv.fps" .
opened=$'\n1000\n1000\nfpfit_example_hinv.fps\n1200\n12\nt.txt\n'
written=$'2000\n\n99\n9999\n'
printf '%s' "$opened$written" | timeout 20 "$bin" > /dev/null 2>&1
mv t.txt alone.txt
waiting=$(linesbefore "$opened")
rm -f t.txt
startfed
printf '%s' "$opened" >&3
waitlines "$waiting"
printf '\n1000\n1000\nfpfit_example_hinv.fps\n1200\n12\na.out\ny\n\nt.txt\ny\n\nu.txt\n%s' \
  "$written" | timeout 20 "$bin" > b.out 2>&1
check "one table name, second run" $? 0
printf '%s' "$written" >&3
exec 3>&-
wait "$pid"
check "one table name, first run" $? 0
[ "$(grep -cx -- "$held" b.out)" = 2 ] || { echo "one table name: not refused twice"; fail=1; }
# The table's first line names its file.
cmp -s t.txt alone.txt && cmp -s <(tail -n +2 u.txt) <(tail -n +2 alone.txt) ||
  { echo "one table name: a table is not whole"; fail=1; }
grep -q "^ 'Year'" a.out && { echo "one table name: a table written into a.out"; fail=1; }

# Two runs, one appending to the log the other writes.
fresh log
cp "$sish/fpfit_example_hinv.fps" .
printf '\n1000\n1000\nfpfit_example_hinv.fps\n1100\n9999\n' > answers
timeout 20 "$bin" < answers > log 2>&1 &
first=$!
timeout 20 "$bin" < answers >> log 2>&1
check "one standard output, second run" $? 0
wait "$first"
check "one standard output, first run" $? 0

exit $fail
