#!/usr/bin/env bash
# Runs each fuzz target for a given time over its seed corpus and prints one line per target: seconds, executions,
# executions per second, corpus size at the end and findings (crashes, hangs, leaks, out-of-memory). A finding
# stops its target; the input is kept in the findings folder, to be added to tests/fuzz/corpus/<target> once mended.
#   bench/fuzz.sh [BUILD_DIR] [SECONDS] [TARGET ...]
#     BUILD_DIR  the fuzz build (default build/fuzz: cmake -DJAMLOG_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14)
#     SECONDS    per target (default 60)
#     TARGET     import, command_line, store, store_load, layout (default all)
#   JAMLOG_FUZZ_TIMEOUT: seconds one input may take before it counts as a hang (default 120: an input of the store
#   target may pre-populate thousands of vehicles under the sanitizers)
set -uo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/fuzz}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(import command_line store store_load layout)
findings=${JAMLOG_FUZZ_FINDINGS:-$build/fuzz-findings}
mkdir -p "$findings"
work=$(mktemp -d /tmp/jamlog-fuzz.XXXXXX) || exit 2
trap 'rm -rf "$work"' EXIT

row() { printf '%-13s %8s %12s %9s %7s %s\n' "$@"; }
row target seconds executions exec/s corpus findings
status=0
for t in "${targets[@]}"; do
  exe=$build/tests/fuzz/fuzz_$t
  [ -x "$exe" ] || { echo "fuzz: $exe is missing (build it first)" >&2; exit 2; }
  mkdir -p "$work/$t"
  # New inputs go to the scratch folder first named, never into the seed corpus.
  start=$SECONDS
  "$exe" -max_total_time="$seconds" -timeout="${JAMLOG_FUZZ_TIMEOUT:-120}" -print_final_stats=1 -artifact_prefix="$findings/$t-" \
    "$work/$t" "tests/fuzz/corpus/$t" >"$work/$t.log" 2>&1
  runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$work/$t.log" | tail -1)
  rate=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+)/\1/p' "$work/$t.log" | tail -1)
  took=$((SECONDS - start))
  corpus=$(($(ls "$work/$t" | wc -l) + $(ls "tests/fuzz/corpus/$t" | wc -l)))
  found=$(grep -oE "Test unit written to [^ ]+" "$work/$t.log" | sed 's/Test unit written to //')
  if [ -n "$found" ]; then
    status=1
    grep -m1 -E 'runtime error|ERROR: |deadly signal|timeout|leak' "$work/$t.log" >&2
  fi
  row "$t" "$took" "${runs:-0}" "${rate:-0}" "$corpus" "${found:-none}"
done
exit $status
