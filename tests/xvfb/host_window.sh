# Host mode: jamlog draws into a window it did not make (given by -window-id or XSCREENSAVER_WINDOW, depth 24
# or 32), follows its resizes, and on SIGTERM flushes its counters and dies by the signal.
JAMLOG=$1 XPROBE=$2 APP_TESTS=${3:-}
source "$(dirname "$0")/lib.sh"
startX

# The frames at the pixel level: the app tests' case that reads the host's window back through X, after scrolls
# and a window laid over it, runs on this server.
appTests=$APP_TESTS
if [ -x "$appTests" ]; then
    JAMLOG_TEST_X_SERVER=$DISPLAY "$appTests" --gtest_filter='HostScreen.*' >"$work/host-screen.log" 2>&1 ||
        { cat "$work/host-screen.log" >&2; fail "the host's window does not show the frame"; }
    grep -q 'SKIPPED' "$work/host-screen.log" && { cat "$work/host-screen.log" >&2; fail "the pixel check was skipped"; }
    echo "host frames: the window shows the frame after scrolls and a cover"
else
    echo "host frames: no app test program given, pixel check left out"
fi

# hostRun NAME DEPTH HOW [VARIABLE=VALUE...]: one run in a fresh window, HOW being "option" or "environment",
# with the extra environment given.
hostRun() {
    local name=$1 depth=$2 how=$3
    local extra=("${@:4}")
    rm -rf "$XDG_CONFIG_HOME"/*
    makeWindow 800 500 $depth
    [ "$(blankIn "$window")" -eq $((800 * 500)) ] || fail "$name: the new window is not blank"
    if [ "$how" = option ]; then
        background env "${extra[@]}" "$JAMLOG" -window-id "$window" --seed 3
    else
        background env "${extra[@]}" XSCREENSAVER_WINDOW="$window" "$JAMLOG"
    fi
    local jamlog=$lastPid
    shot="$work/$name.png"
    within 30 showsMoreColoursThan "$window" 8 || fail "$name: nothing drawn in the window"
    within 10 allDrawn "$window" || fail "$name: parts of the window stay blank"
    within 10 pictureChanged "$window" || fail "$name: the picture stands still"
    shot="-"
    echo "$name: window $window shows $(coloursIn "$window") colours"

    # Nothing is drawn outside the window.
    [ "$(coloursIn root 900 0 380 800)" -eq 1 ] || fail "$name: drawn outside the window"
    [ "$(coloursIn root 0 600 1280 200)" -eq 1 ] || fail "$name: drawn outside the window"

    # A larger window: the new area right of and below the old picture is drawn too (the window's own
    # background is magenta).
    xdotool windowsize "$window" 1100 700
    shot="$work/$name-resized.png"
    within 20 allDrawn "$window" 800 0 300 700 || fail "$name: the widened part stays blank"
    within 20 allDrawn "$window" 0 500 1100 200 || fail "$name: the heightened part stays blank"
    shot="-"
    # A smaller one is filled to its edges as well.
    xdotool windowsize "$window" 700 450
    within 20 showsMoreColoursThan "$window" 8 || fail "$name: nothing drawn after shrinking"
    within 10 pictureChanged "$window" || fail "$name: the picture stands still after shrinking"
    isRunning "$jamlog" || fail "$name: jamlog ended while drawing"

    grep -q '^LastNet=' "$settingsFile" 2>/dev/null && fail "$name: the last layout was booked before the end"
    kill -TERM "$jamlog"
    awaitEnd "$jamlog" 30
    [ "$endStatus" -eq 143 ] || fail "$name: exit status $endStatus after SIGTERM, not death by the signal (143)"
    grep -q '^LastNet=' "$settingsFile" || fail "$name: the counters were not flushed before dying"
    kill "$holder"
    echo "$name: ok"
}

hostRun window-id 24 option
hostRun xscreensaver-window 24 environment
# A deep window, and a scale factor that must not change the picture's size.
hostRun depth32 32 option QT_SCALE_FACTOR=2

runningMarker() { sed -n 's/^Running=//p' "$settingsFile" 2>/dev/null; }

# The window going away ends the run (normally, the host is gone: nothing to be reported to). A preview,
# given the window's decimal handle, is marked running (8) while it draws and unmarked at the end, however it
# ends.
for ending in "window gone" SIGTERM; do
    rm -rf "$XDG_CONFIG_HOME"/*
    makeWindow 800 500
    background "$JAMLOG" p $((window))
    jamlog=$lastPid
    within 30 showsMoreColoursThan "$window" 8 || fail "preview: nothing drawn"
    [ "$(runningMarker)" = 8 ] || fail "preview: marked '$(runningMarker)' while running, not 8"
    if [ "$ending" = SIGTERM ]; then
        kill -TERM "$jamlog"
        awaitEnd "$jamlog" 30
        [ "$endStatus" -eq 143 ] || fail "preview: exit status $endStatus after SIGTERM"
        kill "$holder"
    else
        kill "$holder" # the window's connection closes, so the server destroys it
        awaitEnd "$jamlog" 30
        [ "$endStatus" -lt 128 ] || fail "preview: died by signal $((endStatus - 128)) when its window went away"
    fi
    [ "$(runningMarker)" = 0 ] || fail "preview ended by $ending: left marked '$(runningMarker)'"
    echo "preview ended by $ending: status $endStatus, marker cleared"
done

# -root: the root window itself.
rm -rf "$XDG_CONFIG_HOME"/*
background "$JAMLOG" -root
jamlog=$lastPid
within 30 showsMoreColoursThan root 8 || fail "-root: nothing drawn on the root window"
kill -TERM "$jamlog"
awaitEnd "$jamlog" 30
[ "$endStatus" -eq 143 ] || fail "-root: exit status $endStatus after SIGTERM"
echo "-root: ok"
