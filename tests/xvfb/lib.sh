# Shared by the end-to-end scripts: a private virtual X server, a private settings folder, polling helpers and
# clean-up of everything a script started. Sourced with JAMLOG and XPROBE set to the programs' paths.
set -u

skipCode=77
work=$(mktemp -d /tmp/jamlog-xvfb.XXXXXX)
started=()

# The folder, with the pictures the probes took, is kept only when the script fails.
cleanUp() {
    local status=$? pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    if [ "$status" -eq 0 ] || [ "$status" -eq "$skipCode" ]; then
        rm -rf "$work"
    else
        echo "pictures and logs kept in $work" >&2
    fi
}
trap cleanUp EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display, with a screen of $1 (default 1280x800) pixels at depth $2 (default 24), and
# exports DISPLAY; skips the test when no server can be started. The server's pid is in $xServer. With -noreset:
# the server would otherwise reset, refusing connections for a moment, whenever its last client leaves between two
# runs.
startX() {
    local tool
    for tool in Xvfb xdotool xwininfo; do
        command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit $skipCode; }
    done
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x${2:-24}" -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    started+=($!)
    xServer=$!
    local i
    for i in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "${started[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$work/display" ] || { echo "SKIP: Xvfb did not start: $(tail -1 "$work/xvfb.log")"; exit $skipCode; }
    export DISPLAY=":$(head -1 "$work/display")"
    # jamlog draws on the real server, never on ./dev test's offscreen platform; its settings stay in $work.
    unset QT_QPA_PLATFORM
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    # Under the sanitizers, leaks are looked for in jamlog, not in the system libraries Qt loads under X.
    export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    chmod 700 "$XDG_RUNTIME_DIR"
    settingsFile="$XDG_CONFIG_HOME/Brindle's Registry Bits/Jamlog 5.ini"
}

# Sets NAME=VALUE in [SECTION] of the settings file ("storeSetting SECTION NAME VALUE"), which a first run must
# have written: a store without its version is wiped at start.
storeSetting() {
    [ -f "$settingsFile" ] || fail "no settings file to put $1/$2 in"
    awk -v section="[$1]" -v name="$2" -v value="$3" '
        function put() { if (!done) print name "=" value; done = 1 }
        /^\[/ { if (inSection) put(); inSection = $0 == section }
        inSection && index($0, name "=") == 1 { put(); next }
        { print }
        END { if (!inSection && !done) print "\n" section; put() }
    ' "$settingsFile" >"$work/settings.ini" && mv "$work/settings.ini" "$settingsFile"
}

# Succeeds when the pointer shows a cursor (cursorShown) or an empty one (cursorHidden). An xprobe built without
# XFixes cannot tell: both then succeed, saying once that the check is skipped.
cursorPixels=""
readCursor() {
    local out status=0
    out=$("$XPROBE" cursor 2>/dev/null) || status=$?
    if [ $status -eq 3 ]; then
        [ "$cursorPixels" = unknown ] || echo "SKIP: cursor checks (xprobe was built without XFixes)"
        cursorPixels=unknown
        return 0
    fi
    [ $status -eq 0 ] || fail "xprobe cannot read the cursor"
    set -- $out
    cursorPixels=$3
}
cursorShown() { readCursor && { [ "$cursorPixels" = unknown ] || [ "$cursorPixels" -gt 0 ]; }; }
cursorHidden() { readCursor && { [ "$cursorPixels" = unknown ] || [ "$cursorPixels" -eq 0 ]; }; }

# Runs "$@" in the background; its pid is in $lastPid and it is killed at the end if still running.
background() {
    "$@" &
    lastPid=$!
    started+=($lastPid)
}

# Repeats "$@" every half second until it succeeds or $1 seconds have passed.
within() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.5
    done
}

# A child that has ended stays a zombie until it is waited for; that counts as ended.
hasEnded() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
    [ -z "$state" ] || [ "$state" = Z ]
}
isRunning() { ! hasEnded "$1"; }

# Measures window $1 ("root": the root window), or the rectangle X Y W H after it: sets $colours to the number
# of colours and $blank to the number of pixels still in the background of the windows xprobe makes. The
# picture is saved to $shot unless that is "-".
shot="-"
measure() {
    local out
    out=$("$XPROBE" shot "$1" "$shot" "${@:2}") || return 1
    set -- $out
    colours=$3 blank=$4
}
coloursIn() { measure "$@" && echo "$colours"; }
blankIn() { measure "$@" && echo "$blank"; }

# Succeeds when no pixel of window $1 (or of the rectangle X Y W H after it) is blank.
allDrawn() { measure "$@" && [ "$blank" -eq 0 ]; }

# Succeeds when window $1 shows more than $2 colours (in the rectangle after them, if given).
showsMoreColoursThan() { measure "$1" "${@:3}" && [ "$colours" -gt "$2" ]; }

# Sets $endStatus to the exit status of background process $1 once it has ended (within $2 seconds, else the
# test fails).
awaitEnd() {
    within "$2" hasEnded "$1" || fail "process $1 still running after $2 s"
    endStatus=0
    wait "$1" || endStatus=$?
}

# Succeeds when window $1 looks different from the last time this was asked about it (vehicles moved).
pictureChanged() {
    local before="$work/last-$1.png" now="$work/now-$1.png"
    "$XPROBE" shot "$1" "$now" >/dev/null || return 1
    if [ -f "$before" ] && ! cmp -s "$before" "$now"; then
        mv "$now" "$before"
        return 0
    fi
    mv "$now" "$before"
    return 1
}

# makeWindow W H [DEPTH]: a host window of the test's own, made by the probe program $XPROBE; its id in $window,
# the process holding it in $holder.
makeWindow() {
    background "$XPROBE" window "$@" >"$work/id"
    within 10 test -s "$work/id" || fail "xprobe made no window"
    window=$(head -1 "$work/id")
    holder=$lastPid
}
