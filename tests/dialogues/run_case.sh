#!/usr/bin/env bash
# Runs one dialogue case: mecaro started in a fresh temporary folder holding
# a copy of the case's files, fed `answers` on standard input, with an
# environment of its own (run date, time zone, screen size; no drawing log).
#   expected         the standard output from the first answer on, compared
#                    exactly: the start-up, through the main menu's first
#                    "Enter your choice", is the same in every case and is
#                    left out (a run that never gets there is kept whole)
#   with_startup     present in the start-up case only: its `expected` holds
#                    the whole standard output, start-up included
#   expected_stderr  the standard error, compared exactly (empty when absent)
#   status           the exit status expected (0 when absent)
#   out/NAME         a file the run must leave in its folder, compared exactly
# The clock rate in the header box's system line depends on the machine: it
# is replaced by <rate> before the comparison.
# A failure prints a unified diff.
#
#   run_case.sh MECARO CASE              runs the case and compares
#   run_case.sh --convert MECARO CASE... rewrites cases of the older form
#     (`expected` holding the whole run, standard error merged into it) into
#     this one, after checking that the run still gives the old transcript
#     from the first answer on; cases already in this form, and the
#     start-up case, are left alone
set -u
startup_end=' Enter your choice'
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Makes a fresh copy of the case folder $1 the current folder.
fresh_copy() {
  local copy
  copy=$(mktemp -d -p "$scratch")
  cp -r "$1"/. "$copy"/ && cd "$copy" || exit 1
}

# The sanitizers' settings of the caller (make sanitize) are kept: the
# program reads none of them.
mecaro() {
  timeout 20 env -i ${ASAN_OPTIONS+"ASAN_OPTIONS=$ASAN_OPTIONS"} \
    ${UBSAN_OPTIONS+"UBSAN_OPTIONS=$UBSAN_OPTIONS"} \
    SOURCE_DATE_EPOCH=1700000000 TZ=UTC MECARO_SCREEN=1024x768 "$bin" < answers
}

unrate() { sed -i -E 's/^( @ On system: .*-)[^-]*$/\1<rate>/' "$1"; }

# Prints the transcript $1 without its start-up.
from_first_answer() {
  if grep -qxF -- "$startup_end" "$1"; then
    sed "0,/^$startup_end\$/d" "$1"
  else
    cat "$1"
  fi
}

# Runs the case folder $1 in a fresh copy, leaving there `stdout` (without
# the start-up unless the case keeps it) and `stderr`, and the exit status
# in $status.
run_case() {
  fresh_copy "$1"
  mecaro > transcript 2> stderr
  status=$?
  unrate transcript
  if [ -f with_startup ]; then
    mv transcript stdout
  else
    from_first_answer transcript > stdout
  fi
}

# Compares the run left by run_case with what the case expects.
compare() {
  local fail=0 want=0
  diff -u expected stdout || fail=1
  if [ -f expected_stderr ]; then
    diff -u expected_stderr stderr || fail=1
  elif [ -s stderr ]; then
    echo "standard error, expected empty:"; cat stderr; fail=1
  fi
  [ -f status ] && want=$(cat status)
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
  return $fail
}

# Rewrites the case folder $1 from the older form, or says why not.
convert() {
  local dir split
  dir=$(cd "$1" && pwd)
  [ -f "$dir/answers" ] || return 0
  if [ -f "$dir/with_startup" ]; then
    echo "$1: the start-up case, kept whole"; return 0
  fi
  run_case "$dir"
  if compare > /dev/null; then
    echo "$1: already in the new form"; return 0
  fi
  split=$PWD
  fresh_copy "$dir"
  mecaro > merged 2>&1
  unrate merged
  if ! diff -u --label "$1/expected" --label run <(from_first_answer expected) \
       <(from_first_answer merged); then
    echo "$1: the run differs from the old transcript; left as it was"; return 1
  fi
  cp "$split/stdout" "$dir/expected"
  if [ -s "$split/stderr" ]; then
    cp "$split/stderr" "$dir/expected_stderr"
  else
    rm -f "$dir/expected_stderr"
  fi
  echo "$1: converted"
}

if [ "$1" = --convert ]; then
  bin=$(realpath "$2")
  shift 2
  fail=0
  for c in "$@"; do
    (convert "$c") || fail=1
  done
  exit $fail
fi
bin=$(realpath "$1")
run_case "$2"
compare
