#!/usr/bin/env bash
# Soak: every built layout headless, under the sanitizer build, for HOURS simulated hours each, in two modes:
#   fixed   the default settings on the layout itself, every step under the invariants of the long-run tests
#           (the road and boat invariants of the layout test; for railways, the deadlock test's stand limits);
#   cycling random cycling with every random setting on (the defaults), through `jamlog --simulate --cycle`, one
#           run per seed, its resident memory read from /proc after the first simulated hour and at the end.
# Prints one line per layout and mode: simulated hours, entered and left, automatic resets per hour, the longest
# train stand, sanitizer findings, peak resident memory and, for cycling, the memory after hour 1 and at the end.
# Exits 1 when a run fails its invariants, reports a sanitizer finding, or grows by more than a quarter.
#   bench/soak.sh [BUILD_DIR] [HOURS] [SEEDS] [LAYOUT ...]
#     BUILD_DIR  the sanitizer build of ./dev test (default build/test)
#     HOURS      simulated hours per layout, mode and seed (default 4)
#     SEEDS      seeds of the cycling runs, quoted (default "11 23 37")
#     LAYOUT     layout numbers (default every built one)
set -uo pipefail

build=${1:-build/test}
hours=${2:-4}
seeds=${3:-"11 23 37"}
shift $(($# < 3 ? $# : 3))
jamlog=$build/src/app/jamlog
tests=$build/tests/sim_tests
for f in "$jamlog" "$tests"; do [ -x "$f" ] || { echo "soak: $f is missing (build it first)" >&2; exit 2; }; done
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

layouts=("$@")
[ ${#layouts[@]} -gt 0 ] || mapfile -t layouts < <("$jamlog" --check-layouts | awk '$1 ~ /^[0-9]+$/ {print $1}')
work=$(mktemp -d /tmp/jamlog-soak.XXXXXX) || exit 2
trap 'rm -rf "$work"' EXIT
sanitizerPattern='ERROR: (Address|Leak)Sanitizer|runtime error:'
status=0
totalHours=0

kb() { awk '{printf "%.0f MB", $1 / 1024}' <<<"$1"; }
row() { printf '%-7s %-8s %6s %9s %9s %9s %11s %5s %9s %s\n' "$@"; }
row layout mode hours entered left resets/h longestStand san peakRSS "rss hour 1 -> end"

for n in "${layouts[@]}"; do
  # Fixed: the layout test over its own seeds, and for railways the deadlock test at the same length.
  JAMLOG_LONG_HOURS=$hours /usr/bin/time -f 'peak %M' -o "$work/time" "$tests" --gtest_brief=1 \
    --gtest_filter="Built/LayoutInvariantsTest.*/layout$n" >"$work/fixed.log" 2>&1
  rc=$?
  JAMLOG_TRAIN_LAYOUT=$n JAMLOG_TRAIN_HOURS=$(awk "BEGIN { print $hours * 4 }") "$tests" --gtest_brief=1 \
    --gtest_filter='Deadlock.*' >"$work/trains.log" 2>&1 || rc=1
  entered=$(awk '/^layout .* entered/ {gsub(",", "", $0); for (i = 1; i < NF; i++) if ($i == "entered") s += $(i+1)} END {print s + 0}' "$work/fixed.log")
  left=$(awk '/^layout .* left/ {gsub(",", "", $0); for (i = 1; i < NF; i++) if ($i == "left") s += $(i+1)} END {print s + 0}' "$work/fixed.log")
  resets=$(awk '/per hour/ {for (i = 1; i < NF; i++) if ($i == "per" && $(i+1) ~ /^hour/) {gsub("[(]", "", $(i-1)); s += $(i-1); k++}} END {printf "%.3f", k ? s / k : 0}' "$work/fixed.log")
  stand=$(awk '/of one train/ {v = $(NF-1); if (v + 0 > m) m = v + 0} END {printf "%.1f min", m}' "$work/trains.log")
  san=$(cat "$work/fixed.log" "$work/trains.log" | grep -cE "$sanitizerPattern")
  grep -qE 'FAILED|Failure' "$work/fixed.log" "$work/trains.log" && rc=1
  [ "$rc" -ne 0 ] || [ "$san" -ne 0 ] && { status=1; grep -hE "Failure|FAILED|$sanitizerPattern" "$work/fixed.log" "$work/trains.log" | head -n 5; }
  row "$n" fixed "$hours" "$entered" "$left" "$resets" "$stand" "$san" "$(kb "$(awk '{print $2}' "$work/time")")" ""
  totalHours=$(awk "BEGIN { print $totalHours + $hours }")

  # Cycling: one run per seed, its memory sampled while it runs.
  for seed in $seeds; do
    # Line-buffered output through stdbuf's preloaded library, which the sanitizer runtime must tolerate.
    ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" stdbuf -oL "$jamlog" --simulate "$n" --minutes $((hours * 60)) --cycle --seed "$seed" >"$work/cycle.out" 2>"$work/cycle.err" &
    pid=$!
    first="" last="" peak=""
    while kill -0 "$pid" 2>/dev/null; do
      rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null)
      hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null)
      minute=$(tail -n 1 "$work/cycle.out" 2>/dev/null | sed -nE 's/^minute=([0-9]+).*/\1/p')
      [ -n "$rss" ] && last=$rss && peak=$hwm
      [ -z "$first" ] && [ -n "${minute:-}" ] && [ "$minute" -ge 60 ] && first=$rss
      sleep 1
    done
    wait "$pid"
    rc=$?
    summary=$(grep '^summary' "$work/cycle.out")
    field() { sed -nE "s/.* $1=([0-9]+).*/\1/p" <<<"$summary"; }
    jams=$(field jams)
    san=$(grep -cE "$sanitizerPattern" "$work/cycle.err")
    growth="${first:+$(kb "$first") -> $(kb "$last")}"
    if [ "$rc" -ne 0 ] || [ "$san" -ne 0 ] || [ -z "$summary" ]; then
      status=1
      head -n 5 "$work/cycle.err"
    fi
    if [ -n "$first" ] && [ "$last" -gt $((first + first / 4)) ]; then
      status=1
      growth+=" (grew)"
    fi
    row "$n" "cycle/$seed" "$hours" "$(field entered)" "$(field left)" \
      "$(awk "BEGIN { printf \"%.3f\", ${jams:-0} / $hours }")" "" "$san" "$(kb "${peak:-0}")" "$growth"
    totalHours=$(awk "BEGIN { print $totalHours + $hours }")
  done
done
echo "total simulated hours: $totalHours"
exit $status
