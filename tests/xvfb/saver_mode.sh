# The full-screen saver: ended by a key, a left or middle click and a mouse move of more than 200 pixels from the
# first position; not by a move of exactly 200 pixels nor by a right click (which opens the menu), nor by a left
# click while the zoom menu is on. The cursor is hidden over the saver, unless a debug bit is set, and shows over
# its menu.
JAMLOG=$1 XPROBE=$2
source "$(dirname "$0")/lib.sh"
startX

# Succeeds when a window of jamlog's covering the screen has the input focus.
saverFocused() {
    local full
    full=$(xwininfo -root -tree | grep '("jamlog" "jamlog")' | grep ' 1280x800+0+0 ' | awk '{print $1}' | head -1)
    [ -n "$full" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((full))" ]
}

# startSaver SWITCH: a saver run with the pointer resting at (400, 300); waits until the picture is up.
startSaver() {
    xdotool mousemove 400 300
    [[ "$(xdotool getmouselocation)" == "x:400 y:300 "* ]] || fail "the pointer is not where it was put"
    background "$JAMLOG" "$1" --seed 11
    saver=$lastPid
    within 30 saverFocused || fail "$1: no full-screen window with the focus"
    within 10 showsMoreColoursThan root 8 || fail "$1: no layout on the screen"
    sleep 1 # the first pointer position is seen
    isRunning "$saver" || fail "$1: the saver ended by itself"
}

expectEnd() {
    awaitEnd "$saver" 30
    [ "$endStatus" -eq 0 ] || fail "$1: the saver ended with status $endStatus"
    echo "$1: ended"
}

expectRunning() {
    sleep 2
    isRunning "$saver" || fail "$1: the saver ended"
    echo "$1: still running"
}

# The legend (a window of 133 by 139 pixels or so) lies above the saver's window: the top-most of jamlog's
# windows is not the full-screen one.
legendOnTop() {
    local top
    top=$(xwininfo -root -tree | grep '("jamlog" "jamlog")' | head -1)
    [[ "$top" != *" 1280x800+0+0 "* ]]
}

# Each switch form starts the full-screen saver, covering the whole screen, with the legend on top.
for form in s /s -S; do
    startSaver "$form"
    shot="$work/saver.png"
    within 10 showsMoreColoursThan root 8 || fail "$form: nothing drawn"
    shot="-"
    legendOnTop || fail "$form: the legend is beneath the saver"
    kill -TERM "$saver"
    awaitEnd "$saver" 30
done

# Measured from where the pointer rested when the saver came up.
startSaver s
xdotool mousemove 500 400 # 100 + 100 = 200
expectRunning "a move of 200 pixels"
xdotool mousemove 550 360 # 150 + 60 = 210
expectEnd "a move of 210 pixels"

startSaver s
within 5 cursorHidden || fail "the cursor shows over the saver ($cursorPixels pixels)"
xdotool key x
expectEnd "a key"

startSaver s
xdotool click 3
expectRunning "a right click"
within 5 cursorShown || fail "no cursor over the menu"
xdotool key Escape # closes the menu only
expectRunning "Escape in the menu"
within 5 cursorHidden || fail "the cursor still shows over the saver after the menu ($cursorPixels pixels)"
xdotool click 2
expectEnd "a middle click"

startSaver s
xdotool click 1
expectEnd "a left click"

# Another window taking the focus ends the saver.
startSaver s
background "$XPROBE" window 300 200 >"$work/other"
within 10 test -s "$work/other" || fail "xprobe made no window"
xdotool windowfocus "$(head -1 "$work/other")"
expectEnd "another window activated"

# A debug bit shows the arrow over the saver.
storeSetting Design Debug 1
startSaver s
within 5 cursorShown || fail "no cursor over the saver with a debug bit set"
kill -TERM "$saver"
awaitEnd "$saver" 30
storeSetting Design Debug 0

# With mouse effects on, the wheel turns panning on; a left click then opens the zoom menu instead of ending.
storeSetting Effects Mouse 1
startSaver s
xdotool click 4 click 1
expectRunning "a left click while panning"
within 5 cursorShown || fail "no zoom menu under the pointer"
xdotool key Escape
expectRunning "Escape in the zoom menu"
xdotool key x
expectEnd "a key after the zoom menu"
