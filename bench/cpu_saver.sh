#!/usr/bin/env bash
# CPU use of the running saver: jamlog at 1920x1080 (or $SCREEN_SIZE) under its own Xvfb, default settings on one layout, measured
# by pidstat once a second over a steady stretch after start-up, and by /usr/bin/time -v over the whole run.
#   bench/cpu_saver.sh [JAMLOG] [LAYOUT] [SECONDS] [MODE]
#     JAMLOG   the executable (default build/run/src/app/jamlog, the optimised build of ./dev run)
#     LAYOUT   the layout number (default 19, the largest built)
#     SECONDS  the measured stretch (default 60)
#     MODE     s: the full-screen window (default); host: -root, drawn through X into the root window the way a
#              hack draws into the xscreensaver daemon's window
# Then, over TICK_SECONDS (default 60; 0 leaves it out), gdb notes every delivery of timer 1 and the script counts
# the ticks late by more than one interval. Needs Xvfb, pidstat (Debian package sysstat) and, for the ticks, gdb.
# A picture of the screen at the end goes to $CPU_SAVER_PICTURE (/tmp/cpu_saver.png) when XSS_HELPER names the
# screenshot helper of the end-to-end tests (build/*/tests/xscreensaver/xss_helper).
set -euo pipefail

jamlog=$(realpath "${1:-build/run/src/app/jamlog}")
layout=${2:-19}
seconds=${3:-60}
mode=${4:-s}
ticks=${TICK_SECONDS:-60} # the stretch of the timer-1 check; 0 leaves it out
size=${SCREEN_SIZE:-1920x1080}
moveMs=25                 # timer 1's interval with the default update speed
warmup=10
picture=${CPU_SAVER_PICTURE:-/tmp/cpu_saver.png}
for tool in Xvfb pidstat /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "cpu_saver: $tool is missing" >&2; exit 2; }
done

# Default settings but for the layout, in a store of the run's own; the start layout is then set in it.
source "$(dirname "$0")/lib.sh"
benchWork cpu
benchXvfb "$size"
benchStore
grep -q '^\[Settings\]' "$store" || { echo "cpu_saver: the first run made no store" >&2; exit 1; }
sed -i -e '/^LastNet=/d' -e '/^Network=/d' -e "s/^\[Settings\]\$/[Settings]\nLastNet=$layout/" "$store"
grep -q '^\[Config\]' "$store" || printf '\n[Config]\n' >>"$store"
sed -i "s/^\[Config\]\$/[Config]\nNetwork=$layout/" "$store"

args=(s)
if [ "$mode" = host ]; then
  # The root window, as large as the screen, stands in for the daemon's full-screen window.
  args=(-root)
fi
/usr/bin/time -v -o "$work/time.txt" "$jamlog" "${args[@]}" >"$work/saver.log" 2>&1 &
timer=$!
sleep 0.5
saver=$(pgrep -P "$timer" -n || true)
[ -n "$saver" ] || { echo "cpu_saver: jamlog did not start" >&2; cat "$work/saver.log" >&2; exit 1; }

sleep "$warmup"
kill -0 "$saver" 2>/dev/null || { echo "cpu_saver: jamlog ended early" >&2; cat "$work/saver.log" >&2; exit 1; }
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
LC_ALL=C pidstat -u -h -p "$saver,$xvfb" 1 "$seconds" >"$work/pidstat.txt"
if [ -n "${XSS_HELPER:-}" ]; then
  root=$(xwininfo -root 2>/dev/null | sed -nE 's/.*Window id: (0x[0-9a-f]+).*/\1/p')
  "$XSS_HELPER" shot "${root:-0x0}" "$picture" && echo "picture: $picture" || true
fi
# Timer 1 from outside: a debugger notes the time of every delivery of timer 1 to the view, over a second stretch
# (the debugger's own cost would spoil the CPU figure above).
debugger=""
if [ "$ticks" -gt 0 ] && command -v gdb >/dev/null; then
  cat >"$work/ticks.py" <<PYTHON
import gdb, time
out = open("$work/ticks.txt", "w")
class Tick(gdb.Breakpoint):
    def stop(self):
        if int(gdb.parse_and_eval("\$esi")) == 1:
            out.write("%.6f\n" % time.monotonic())
            out.flush()
        return False
Tick("*'jamlog::CDrawWnd::onTimer(int)'")
gdb.execute("handle SIGTERM nostop noprint pass")
gdb.execute("continue")
PYTHON
  gdb -q -batch -p "$saver" -x "$work/ticks.py" >"$work/gdb.log" 2>&1 &
  debugger=$!
  sleep "$ticks"
fi
kill -TERM "$saver"
wait "$timer" 2>/dev/null || true
saver=""
[ -n "$debugger" ] && { wait "$debugger" 2>/dev/null || true; }

# pidstat -h: one line per process and second; %CPU is the 8th column.
awk '!/^#/ && NF >= 8 { sum[$3] += $8; n[$3]++; cmd[$3] = $NF }
     END { for (p in sum)
             printf "%-8s pid %-7s average %%CPU %.1f over %d samples\n", cmd[p], p, sum[p] / n[p], n[p] }' \
  "$work/pidstat.txt"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -s "$work/ticks.txt" ]; then
  # Late by more than one interval: more than two intervals after the tick before.
  awk -v ms="$moveMs" 'NR > 1 { gap = ($1 - last) * 1000; n++; sum += gap; if (gap > max) max = gap
                                if (gap > 2 * ms) late++ }
                       { last = $1 }
                       END { printf "timer 1 (%d ms): %d ticks, mean gap %.1f ms, longest %.1f ms, %d late by more",
                                    ms, n + 1, sum / n, max, late
                             print " than one interval" }' "$work/ticks.txt"
else
  echo "timer 1: not checked (needs gdb; TICK_SECONDS=$ticks)"
fi
echo "--- /usr/bin/time -v over the whole run (start-up included) ---"
grep -E "User time|System time|Percent of CPU|Elapsed|Maximum resident|terminated by signal" "$work/time.txt"
