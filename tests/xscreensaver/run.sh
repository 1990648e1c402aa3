#!/usr/bin/env bash
# End to end with the real xscreensaver daemon under its own Xvfb: `jamlog --install` makes jamlog the selected
# hack, -activate starts it in the daemon's window, the window shows a layout, and -deactivate ends it by SIGTERM
# without the daemon reporting a crash. The daemon refuses to run hacks as root, so as root everything the user
# would do runs as an unprivileged test user with a HOME of its own.
#   [JAMLOG_AS_INSTALLED=1] run.sh JAMLOG XSS_HELPER ARTIFACTS_DIR      exit 0 passed, 1 failed, 77 skipped
set -uo pipefail

jamlog=$1 helper=$2 artifacts=$3
testUser=jamlogtest

say() { echo "[$(date +%T)] $*"; }
skip() { echo "SKIPPED: $*"; [ -n "${work:-}" ] && rm -rf "$work"; exit 77; }
# Ends process $1 with SIGTERM, or SIGKILL when it is still there after five seconds.
stop() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 25); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
  kill -KILL "$1" 2>/dev/null
}

for tool in Xvfb xscreensaver xscreensaver-command; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work=$(mktemp -d /tmp/jamlog-xss.XXXXXX) || exit 1
chmod 755 "$work"
xvfbPid="" reaperPid="" display=""
asUser=()

finish() {
  local rc=$1
  if [ -n "$display" ] && [ -n "$reaperPid" ]; then
    DISPLAY=:$display timeout 10 "${asUser[@]}" xscreensaver-command -exit >/dev/null 2>&1
    for _ in $(seq 50); do kill -0 "$reaperPid" 2>/dev/null || break; sleep 0.2; done
    stop "$reaperPid"
  fi
  [ -n "$xvfbPid" ] && stop "$xvfbPid"
  wait 2>/dev/null
  mkdir -p "$artifacts"
  cp -f "$work"/*.log "$work"/*.png "$work/reaped" "$work/home/.xscreensaver" "$artifacts"/ 2>/dev/null
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; then
    echo "--- daemon log (tail) ---"
    tail -n 40 "$work/daemon.log" 2>/dev/null
    echo "--- reaped ---"
    cat "$work/reaped" 2>/dev/null
    echo "(all logs in $artifacts)"
  fi
  rm -rf "$work"
  exit "$rc"
}
fail() { echo "FAILED: $*"; finish 1; }
trap 'finish 1' INT TERM

# Waits up to $1 seconds for the command after it to succeed.
waitFor() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.5
  done
}

# The user that runs the daemon, the hack and the install, and its HOME.
home=$work/home
mkdir -p "$work/bin" "$home"
if [ "$(id -u)" -eq 0 ]; then
  id "$testUser" >/dev/null 2>&1 || useradd -m "$testUser" >/dev/null 2>&1 || id "$testUser" >/dev/null 2>&1 ||
    skip "cannot create the unprivileged user $testUser that xscreensaver needs"
  chown "$testUser": "$home"
  asUser=(runuser -u "$testUser" --)
fi
userName=$(id -un)
[ -n "${asUser[*]}" ] && userName=$testUser
userEnv=(env -i "HOME=$home" "PATH=/usr/local/bin:/usr/bin:/bin" "USER=$userName" "LOGNAME=$userName"
         "ASAN_OPTIONS=${ASAN_OPTIONS:-}" "UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}")
# The build folder may be out of the test user's reach: the installed copy lives in the test's own folder,
# unless JAMLOG_AS_INSTALLED=1 says that JAMLOG is already installed where every user reaches it.
if [ "${JAMLOG_AS_INSTALLED:-0}" = 1 ]; then
  installed=$jamlog
else
  cp "$jamlog" "$work/bin/jamlog" && chmod 755 "$work/bin/jamlog" || fail "cannot copy $jamlog"
  installed=$work/bin/jamlog
fi

# A virtual X server on a free display; open to the test user.
Xvfb -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfbPid=$!
waitFor 30 grep -q '[0-9]' "$work/display" || { kill "$xvfbPid" 2>/dev/null; xvfbPid=""; skip "Xvfb did not start"; }
display=$(tr -dc 0-9 <"$work/display")
say "Xvfb on :$display"
X() { DISPLAY=:$display timeout 20 "${asUser[@]}" "${userEnv[@]}" "DISPLAY=:$display" "$@"; }

# The user's own preferences, which the install must keep: no fading, locking or cycling, so the run is quick.
cat >"$home/.xscreensaver" <<'EOF'
# XScreenSaver Preferences File
timeout:	1:00:00
cycle:		0:00:00
lock:		False
fade:		False
unfade:		False
splash:		False
dpmsEnabled:	False
mode:		random
selected:	-1
programs:								      \
				swirl --root				    \n\
  - GL: 			superquadrics --root			    \n\

pointerHysteresis:	10
EOF
[ -n "${asUser[*]}" ] && chown "$testUser": "$home/.xscreensaver"
cp "$home/.xscreensaver" "$work/before"

# The install, run without a display (so it asks no daemon for a test run).
timeout 60 "${asUser[@]}" "${userEnv[@]}" "$installed" --install >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "jamlog --install failed"; }
cat "$work/install.log"
firstHack=$(sed -n '/^programs:/,/[^\\]$/p' "$home/.xscreensaver" | sed -n 2p)
[[ $firstHack == *"$installed --root"* ]] || fail "jamlog is not the first hack: '$firstHack'"
grep -q '^mode:[[:space:]]*one$' "$home/.xscreensaver" || fail "mode is not one"
grep -q '^selected:[[:space:]]*0$' "$home/.xscreensaver" || fail "selected is not 0"
# Every other line is as it was.
diff <(grep -v -e '^mode:' -e '^selected:' -e '^programs:' -e 'jamlog --root' "$work/before") \
     <(grep -v -e '^mode:' -e '^selected:' -e '^programs:' -e 'jamlog --root' "$home/.xscreensaver") ||
  fail "the install changed other lines of ~/.xscreensaver"

# The daemon, with every process below it reaped by the helper so that the hack's end is seen even when the
# daemon's graphics process goes first.
DISPLAY=:$display "$helper" reap "$work/reaped" -- "${asUser[@]}" "${userEnv[@]}" "DISPLAY=:$display" \
  xscreensaver --no-splash --verbose >"$work/daemon.log" 2>&1 &
reaperPid=$!
waitFor 30 X xscreensaver-command -time >/dev/null 2>&1 || fail "the xscreensaver daemon did not start"
say "daemon running"

# The newest jamlog the daemon started: "PID WINDOW", empty while there is none.
started() {
  grep -E "forked \"$installed --root\" in pid [0-9]+ on window 0x[0-9a-f]+" "$work/daemon.log" | tail -n 1 |
    sed -E 's/.* in pid ([0-9]+) on window (0x[0-9a-f]+).*/\1 \2/'
}
startedOtherThan() { local s; s=$(started); [ -n "$s" ] && [ "${s%% *}" != "$1" ]; }

# The window shows a layout: many colours, none covering nearly all of it. Retried while jamlog starts up.
shows() {
  local pid=$1 window=$2 line colours top
  kill -0 "$pid" 2>/dev/null || fail "jamlog ended by itself"
  line=$(DISPLAY=:$display timeout 20 "$helper" shot "$window" "$work/shot.png" 2>&1) || return 1
  echo "$line" >"$work/shot.txt"
  colours=$(sed -E 's/.*colours ([0-9]+).*/\1/' <<<"$line")
  top=$(sed -E 's/.*top ([0-9]+)%.*/\1/' <<<"$line")
  [ "$colours" -ge 8 ] && [ "$top" -le 97 ]
}
# What the daemon says about how the hack in process $1 ended: nothing yet, or its own line.
endLine() { grep -E "child pid $1 .*exited" "$work/daemon.log" | tail -n 1; }
hasEndLine() { [ -n "$(endLine "$1")" ]; }
gone() { ! kill -0 "$1" 2>/dev/null || grep -q "^$1 " "$work/reaped"; }

X xscreensaver-command -activate >/dev/null 2>&1 || fail "xscreensaver-command -activate failed"
waitFor 45 startedOtherThan none || fail "the daemon did not start jamlog"
read -r pid window <<<"$(started)"
say "jamlog runs as pid $pid in window $window"
sleep 3 # past the splash
waitFor 60 shows "$pid" "$window" || fail "the daemon's window shows no layout: $(cat "$work/shot.txt" 2>/dev/null)"
say "window shows a layout: $(cat "$work/shot.txt")"
grep -E "pid $pid .*(abnormally|crash)" "$work/daemon.log" && fail "the daemon reports jamlog crashed while running"

# The next hack while the screen stays blanked: the daemon stops jamlog with SIGTERM and judges how it ended.
X xscreensaver-command -cycle >/dev/null 2>&1 || fail "xscreensaver-command -cycle failed"
waitFor 20 hasEndLine "$pid" || fail "the daemon did not see jamlog end on -cycle"
say "on -cycle: $(endLine "$pid")"
endLine "$pid" | grep -q "exited normally with SIGTERM" || fail "the daemon reports jamlog crashed on SIGTERM"
waitFor 45 startedOtherThan "$pid" || fail "the daemon did not start jamlog again after -cycle"
read -r pid window <<<"$(started)"
say "jamlog runs again as pid $pid"
sleep 2

# Deactivation: the daemon's graphics process stops jamlog with SIGTERM and itself ends at once.
X xscreensaver-command -deactivate >/dev/null 2>&1 || fail "xscreensaver-command -deactivate failed"
waitFor 20 gone "$pid" || fail "jamlog is still running 20 seconds after -deactivate"
sleep 1 # the daemon's word on how it ended, if it stayed to see it
say "on -deactivate: $(endLine "$pid")$(grep "^$pid " "$work/reaped" | sed 's/^/reaped: /')"
grep -E "pid $pid .*(abnormally|crash|core)" "$work/daemon.log" && fail "the daemon reports jamlog crashed"
if grep -qE "^$pid exit" "$work/reaped"; then
  # The signal arrives before the window's loss is read, so a normal exit here means the signal was dropped.
  fail "jamlog ended by a normal exit, not by SIGTERM, after -deactivate"
fi

# With the daemon running, the install asks it for a test run, which starts jamlog again.
X "$installed" --install >"$work/install-again.log" 2>&1 ||
  { cat "$work/install-again.log"; fail "the second install failed"; }
cat "$work/install-again.log"
grep -q "already the selected screen saver" "$work/install-again.log" || fail "the second install changed the file"
grep -q "started a test run" "$work/install-again.log" || fail "the install did not start a test run"
waitFor 45 startedOtherThan "$pid" || fail "the test run did not start jamlog"
read -r pid window <<<"$(started)"
say "test run: jamlog runs as pid $pid"
X xscreensaver-command -deactivate >/dev/null 2>&1 || fail "xscreensaver-command -deactivate failed"
waitFor 20 gone "$pid" || fail "jamlog is still running 20 seconds after the test run's -deactivate"

grep -E "ERROR: AddressSanitizer|runtime error:" "$work/daemon.log" && fail "the sanitizers report errors"
X xscreensaver-command -time >/dev/null 2>&1 || fail "the daemon did not survive the run"
say "passed"
finish 0
