#!/usr/bin/env bash
# Runs one dialogue case: mecaro started in a fresh temporary folder holding
# a copy of the case's files, fed `answers` on standard input.
#   expected   the console transcript, compared exactly
#   status     the exit status expected (0 when absent)
#   out/NAME   a file the run must leave in its folder, compared exactly
# The clock rate in the header box's system line depends on the machine: it
# is replaced by <rate> before the comparison.
# A failure prints a unified diff.
set -u
bin=$1 case=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$case"/. "$work"/
cd "$work" || exit 1
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1700000000}
export MECARO_SCREEN=1024x768
export TZ=UTC
timeout 20 "$bin" < answers > transcript 2>&1
status=$?
sed -i -E 's/^( @ On system: .*-)[^-]*$/\1<rate>/' transcript
want=0
[ -f status ] && want=$(cat status)
fail=0
if ! diff -u expected transcript; then fail=1; fi
if [ "$status" != "$want" ]; then
  echo "exit status $status, expected $want"; fail=1
fi
if [ -d out ]; then
  for f in out/*; do
    name=$(basename "$f")
    if ! cmp -s "$f" "$name"; then
      echo "file $name differs:"; diff -u "$f" "$name" | head -40; fail=1
    fi
  done
fi
exit $fail
