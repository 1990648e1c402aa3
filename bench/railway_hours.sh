#!/usr/bin/env bash
# Twenty-four simulated hours of each train set, three seeds, relief off and then on (see railway_hours.cpp).
#   bench/railway_hours.sh [BUILD_DIR] [LAYOUT...]   (default build/rel, layouts 6 7 11 12 15)
set -euo pipefail
build=${1:-build/rel}
shift || true
layouts=("${@:-6 7 11 12 15}")
exe="$build/bench/railway_hours"
status=0
for layout in ${layouts[@]}; do
    "$exe" --hours "${HOURS:-24}" --seeds 3 "$layout" || status=1
    "$exe" --relief --hours "${HOURS:-24}" --seeds 3 "$layout" || status=1
done
exit $status
