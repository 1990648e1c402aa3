#!/usr/bin/env bash
# Killed at will, at length: the end-to-end kill test with 200 runs (or KILLS), each killed up to 3 s (or LONGEST_MS)
# in, under Xvfb, on the sanitizer build of ./dev test. Prints how many runs of each kind were killed how.
#   bench/kills.sh [BUILD_DIR] [KILLS] [LONGEST_MS]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
for f in "$build/src/app/jamlog" "$build/tests/xvfb/jamlog_xprobe"; do
  [ -x "$f" ] || { echo "kills: $f is missing (build it first)" >&2; exit 2; }
done
JAMLOG_KILLS=${2:-200} JAMLOG_KILL_MS=${3:-3000} exec bash tests/xvfb/killed.sh "$build/src/app/jamlog" \
  "$build/tests/xvfb/jamlog_xprobe"
