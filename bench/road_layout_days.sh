#!/usr/bin/env bash
# Whole simulated days on the motorway, road and combination layouts (2, 3, 4, 9, 13, 14, 16, 18) at the
# default settings with random cycling off, three seeds each, every step under the road invariants. Prints per
# layout and seed: vehicles entered and left, automatic resets per hour, mean stuck share and the share of the
# time with relief active; fails when two automatic resets come within four simulated hours.
#   bench/road_layout_days.sh [SIM_TESTS] [HOURS] [LAYOUTS]
#     SIM_TESTS  the sim test executable (default build/rel/tests/sim_tests: an optimised build runs a day of one
#                layout in a few minutes; a sanitizer build takes hours)
#     HOURS      simulated hours per run (default 24)
#     LAYOUTS    a gtest pattern of layout numbers (default all eight), e.g. '4:18'
set -euo pipefail

tests=${1:-build/rel/tests/sim_tests}
hours=${2:-24}
layouts=${3:-*}
filter=""
IFS=: read -ra wanted <<<"$layouts"
for l in "${wanted[@]}"; do
  filter+="RoadLayouts/RoadLayoutDayTest.*/$l:"
done
JAMLOG_RUN_HOURS=$hours "$tests" --gtest_filter="${filter%:}" | grep -E '^layout |FAILED|PASSED|Failure|SKIPPED'
