# --window: a normal window that shows a moving layout within 5 seconds, with the legend in its top-left corner,
# that mouse and keys do not end, and that its close button ends.
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

# The legend's title, first line and other lines are drawn in colours derived from its background, the most
# frequent colour of its corner of the window (2 pixels in from the edges).
legendHex() { printf '%02X%02X00' "$1" "$2"; }
legendColoursShown() {
    local list background r g title first other colour
    list=$("$XPROBE" colours "$window" 2 2 100 100) || return 1
    background=$(head -1 <<<"$list" | cut -d' ' -f1)
    r=$((16#${background:0:2})) g=$((16#${background:2:2}))
    if [ $((r + g)) -lt 224 ]; then
        title=$(legendHex $((g / 2 + 0x60)) $((g / 3 + 0x40))) other=$(legendHex $((g / 2 + 0x60)) $((g / 2 + 0x60)))
    else
        title=$(legendHex $((g / 4 + 0x30)) $((g / 6 + 0x20))) other=$(legendHex $((g / 4 + 0x30)) $((g / 4 + 0x30)))
    fi
    if [ "$g" -lt 112 ]; then first=$(legendHex $((g / 2)) $((g / 2 + 0x60))); else first=$(legendHex $((g / 4)) $((g / 4 + 0x30))); fi
    for colour in "$title" "$first" "$other"; do
        grep -q "^$colour " <<<"$list" || return 1
    done
}
within 10 legendColoursShown || fail "no legend in the window's corner (its colours: $("$XPROBE" colours "$window" 2 2 100 100 | head -5 | tr '\n' ' '))"
echo "the legend shows in the window"

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

# Under a window manager, which places and stacks the windows itself, the legend stays in the window's corner.
if command -v twm >/dev/null; then
    printf 'RandomPlacement\nNoTitleFocus\n' >"$work/twmrc" # placed at once, not by a click
    background twm -f "$work/twmrc"
    background "$JAMLOG" --window --seed 7
    within 30 findWindow || fail "under a window manager: no window named '$title'"
    within 20 legendColoursShown || fail "under a window manager: no legend in the window's corner"
    echo "under a window manager the legend shows in the window"
else
    echo "SKIP: the legend under a window manager (twm is not installed)"
fi
echo "window mode: ok"
