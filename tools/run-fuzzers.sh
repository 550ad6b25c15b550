#!/bin/sh
# Runs every fuzz target of a fuzz build for the given number of seconds, one after the other.
# Each starts from its seed corpus in tests/fuzz/corpus/<name>/ and from what earlier runs found
# (<build>/corpus/<name>/, kept between runs). An input that breaks a target is saved under
# <build>/findings/<name>/; copy it into the seed corpus once fixed, so `make test` replays it.
# usage: tools/run-fuzzers.sh BUILD SECONDS
set -u
build=$1
seconds=$2
status=0
for program in "$build"/fuzz/fuzz_*; do
  name=${program##*/fuzz_}
  mkdir -p "$build/corpus/$name" "$build/findings/$name"
  echo "== $name: $seconds s"
  "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name/" \
    "$build/corpus/$name" "tests/fuzz/corpus/$name" 2>"$build/findings/$name.log" || status=1
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^INFO: Loaded|^==|rule broken|SUMMARY' \
    "$build/findings/$name.log"
done
exit $status
