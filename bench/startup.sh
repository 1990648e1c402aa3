#!/usr/bin/env bash
# Start-up time of the full-screen saver: from the exec of `jamlog s` to the first moment the screen shows the whole
# layout (pre-population included), under its own Xvfb, on the largest layout.
#   bench/startup.sh [JAMLOG] [RUNS] [SIZE]
#     JAMLOG  the executable (default build/rel/src/app/jamlog)
#     RUNS    timed starts (default 7); each line is one start, then the median
#     SIZE    the screen (default 1920x1080)
# A first start of the same seed, without wandering, left running for a few seconds, gives the reference rows; each timed start is then
# watched by startup_probe (built beside the benchmarks) until its rows match the reference. The probe polls every
# few milliseconds, so a figure may be late by one poll.
set -euo pipefail

jamlog=$(realpath "${1:-build/rel/src/app/jamlog}")
runs=${2:-7}
size=${3:-1920x1080}
probe=${STARTUP_PROBE:-$(dirname "$0")/../build/rel/bench/startup_probe}
probe=$(realpath "$probe")
layout=19 # the largest built layout
run=(s --layout "$layout" --seed 1 --daylight day --no-legend --no-wander) # a still view: the reference stays valid
command -v Xvfb >/dev/null || { echo "startup: Xvfb is missing" >&2; exit 2; }
[ -x "$probe" ] || { echo "startup: $probe is missing (build the startup_probe target)" >&2; exit 2; }

source "$(dirname "$0")/lib.sh"
benchWork startup
benchXvfb "$size"
benchStore

"$jamlog" "${run[@]}" >"$work/reference.log" 2>&1 &
saver=$!
sleep 5
"$probe" grab "$work/reference.rows"
kill "$saver" 2>/dev/null; wait "$saver" 2>/dev/null || true
saver=""

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
: >"$work/times"
for i in $(seq "$runs"); do
  sleep 1
  ms=$("$probe" time "$work/reference.rows" 5000 -- "$jamlog" "${run[@]}")
  echo "start $i: $ms ms"
  echo "$ms" >>"$work/times"
done
sort -n "$work/times" | awk '{ v[NR] = $1 } END { printf "median start-up to the first complete frame (%s, layout %s): %.1f ms\n", "'"$size"'", '"$layout"', (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
