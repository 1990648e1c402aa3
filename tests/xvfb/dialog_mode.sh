# The configuration dialog: jamlog without arguments shows the dialog with a moving preview; the keyboard changes
# the driving style, a click on OK ends the process with status 0, and the store holds the dialog's values.
JAMLOG=$1 XPROBE=$2
source "$(dirname "$0")/lib.sh"
startX

# A store of this version that has greeted and reminded this month already, so that the dialog comes up at once.
mkdir -p "$(dirname "$settingsFile")"
month=$((12 * ($(date +%Y) - 1997) + $(date +%-m)))
printf '[Version]\nCurrent%%20Version=500\nSuppress%%20First=1\nDate=%d\n' "$month" >"$settingsFile"

caption="Jamlog 2010 Screen Saver"
findWindow() { window=$(xdotool search --name "^$caption\$" 2>/dev/null | head -1) && [ -n "$window" ]; }
geometry() { xwininfo -id "$window" | awk -v k="$1" '$0 ~ k {print $NF}'; }

startedAt=$(date +%s%N)
background "$JAMLOG" 2>"$work/jamlog.err"
jamlog=$lastPid
within 30 findWindow || fail "no configuration dialog"
echo "the dialog $((($(date +%s%N) - startedAt) / 1000000)) ms after the start"
within 10 showsMoreColoursThan "$window" 8 || fail "the dialog shows no preview"
within 10 pictureChanged "$window" || fail "the preview stands still: $(isRunning $jamlog && echo running; tail -5 $work/jamlog.err)"
within 10 pictureChanged "$window" || fail "the preview stopped"

# Focus starts on the layout list; the next control is the driving style: "Dangerous" means 80 mph.
xdotool key --window "$window" Tab sleep 0.3 key --window "$window" Down sleep 0.5
# Placed by now (Qt centres it after it is mapped).
x=$(geometry "Absolute upper-left X") y=$(geometry "Absolute upper-left Y")
w=$(geometry "Width:") h=$(geometry "Height:")
echo "dialog ${w}x${h} at ($x, $y) $((($(date +%s%N) - startedAt) / 1000000)) ms after the start"
# OK is the second button from the right of the bottom row.
xdotool mousemove $((x + w - 138)) $((y + h - 23)) sleep 0.3 click 1
awaitEnd "$jamlog" 20
[ "$endStatus" -eq 0 ] || fail "OK ended jamlog with status $endStatus"
grep -q '^Driver=1$' "$settingsFile" || fail "the driving style was not saved: $(grep Driver= "$settingsFile")"
grep -q '^AveSpd=128$' "$settingsFile" || fail "the speed was not saved: $(grep AveSpd= "$settingsFile")"
grep -q '^Running=0$' "$settingsFile" || fail "the dialog left Running at $(grep Running= "$settingsFile")"
echo "dialog mode: ok"
