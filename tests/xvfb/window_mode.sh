# --window: a normal window that shows a moving layout within 5 seconds, that mouse and keys do not end, and that
# its close button ends.
JAMLOG=$1 XPROBE=$2
source "$(dirname "$0")/lib.sh"
startX

title="Jamlog 2010 Screen Saver - Running"
findWindow() { window=$(xdotool search --name "^$title\$" 2>/dev/null | head -1) && [ -n "$window" ]; }

startedAt=$(date +%s%N)
background "$JAMLOG" --window --seed 7
jamlog=$lastPid
within 30 findWindow || fail "no window named '$title'"
# From the window's appearance: start-up itself is slow under the sanitizers on a loaded machine, and the first run
# builds and fills the default layout, the largest of all.
shot="$work/window.png"
within 20 showsMoreColoursThan "$window" 8 || fail "the window shows no layout (colours: $(coloursIn "$window"))"
echo "a layout of $colours colours $((($(date +%s%N) - startedAt) / 1000000)) ms after the start"
shot="-"
within 10 pictureChanged "$window" || fail "the picture stands still"

# Mouse moves, clicks and keys leave the window open.
xdotool mousemove 100 100 sleep 0.3 mousemove 700 500 sleep 0.3 click 2 sleep 0.3 key x sleep 0.3 key space
sleep 2
isRunning "$jamlog" || fail "mouse or keys ended the window"

# Closing the window ends the run normally and books the counters and the last layout.
grep -q '^LastNet=' "$settingsFile" 2>/dev/null && fail "the last layout was booked before the end"
# One close request, as a window manager sends it, must end the run.
"$XPROBE" close "$window"
within 10 hasEnded "$jamlog" || fail "close request 1 was not acted on"
awaitEnd "$jamlog" 10
[ "$endStatus" -eq 0 ] || fail "closing the window ended jamlog with status $endStatus"
grep -q '^LastNet=' "$settingsFile" || fail "closing the window did not book the last layout"
echo "window mode: ok"
