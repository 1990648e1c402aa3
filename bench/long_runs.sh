#!/usr/bin/env bash
# Long runs of the combination layouts: 24 simulated hours (or HOURS) of each layout through the real tick with the
# invariants of the layout long-run test (no vehicle moves backwards or through a marked cell, every vehicle that
# entered has left or is inside, at most one automatic reset in four hours), for its three seeds, printing entered,
# left, resets per hour and the mean stuck share; then the railways with relief off, printing the longest stand of
# one train (the test fails at 30 minutes).
#   bench/long_runs.sh [BUILD_DIR] [LAYOUT ...]
#     BUILD_DIR  a build with the tests (default build/rel; a Release build is much the fastest)
#     LAYOUT     layout numbers (default 9 13 14)
set -euo pipefail

build=${1:-build/rel}
shift || true
layouts=("$@")
[ ${#layouts[@]} -gt 0 ] || layouts=(9 13 14)
hours=${HOURS:-24}
tests="$build/tests/sim_tests"
[ -x "$tests" ] || { echo "long_runs: $tests is missing (build the sim_tests target)" >&2; exit 2; }
export QT_QPA_PLATFORM=offscreen

status=0
for n in "${layouts[@]}"; do
  echo "== layout $n: $hours simulated hours, three seeds"
  JAMLOG_LONG_HOURS=$hours "$tests" --gtest_brief=1 \
    --gtest_filter="Built/LayoutInvariantsTest.*/layout$n" | grep -E "^layout|Failure|FAILED|error" || status=1
  # The railway test runs 0.25 h by default: the factor makes it $hours hours.
  JAMLOG_TRAIN_LAYOUT=$n JAMLOG_TRAIN_HOURS=$(awk "BEGIN { print $hours * 4 }") "$tests" --gtest_brief=1 \
    --gtest_filter='Deadlock.*' | grep -E "^layout|Failure|FAILED" || true
done
exit $status
