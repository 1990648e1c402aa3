# A hostile environment under Xvfb: settings that cannot be saved (the folder is a file; a full disk where a small
# file system can be mounted), HOME unset, no fonts at all, a 1x1 and a 16384-pixel-wide host window, a host window
# resized 100 times a second, the host window destroyed, a depth-16 server, and the X server killed under a running
# saver. No case may crash, hang or report a sanitizer finding; each message that is due comes once, on one line.
JAMLOG=$(realpath "$1") XPROBE=$2
source "$(dirname "$0")/lib.sh"
startX 800x600

# start LABEL ARGUMENTS...: jamlog in the background with its stderr in $work/LABEL.err; its pid in $jamlog.
start() {
    local label=$1
    shift
    background "$JAMLOG" "$@" 2>"$work/$label.err" >/dev/null
    jamlog=$lastPid
}

# finish LABEL: SIGTERM ends the run by the signal, with no sanitizer finding on stderr.
finish() {
    isRunning "$jamlog" || fail "$1: jamlog ended by itself: $(tail -3 "$work/$1.err")"
    kill -TERM "$jamlog"
    awaitEnd "$jamlog" 30 2>/dev/null
    [ "$endStatus" -eq 143 ] || fail "$1: status $endStatus after SIGTERM, not 143"
    noFindings "$1"
}

noFindings() {
    ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/$1.err" || fail "$1: $(grep -m1 -E 'ERROR|runtime' "$work/$1.err")"
}

# drawsInto LABEL: the run's picture comes up in $window.
drawsInto() {
    within 30 showsMoreColoursThan "$window" 8 || fail "$1: nothing drawn: $(tail -3 "$work/$1.err")"
}

saveFailures() { grep -c "cannot save the settings" "$work/$1.err"; }
# (A function, so that "within" counts again at every try.)
saveReported() { [ "$(saveFailures "$1")" -ge 1 ]; }

# Settings that cannot be saved: the run goes on, on the defaults, and says so once.
plain=$work/plain
touch "$plain"
makeWindow 400 300
XDG_CONFIG_HOME=$plain/config start unsavable -window-id "$window"
drawsInto unsavable
sleep 2
finish unsavable
[ "$(saveFailures unsavable)" -eq 1 ] || fail "unsavable: $(saveFailures unsavable) messages: $(cat "$work/unsavable.err")"
echo "unsavable settings: $(grep "cannot save" "$work/unsavable.err")"

# A full disk: a small file system holding the settings, filled up after a first run wrote them. The file is left
# as it was, whole.
full=$work/full
mkdir -p "$full"
if mount -t tmpfs -o size=256k tmpfs "$full" 2>/dev/null; then
    XDG_CONFIG_HOME=$full start first-run -window-id "$window"
    within 30 test -f "$full/Brindle's Registry Bits/Jamlog 5.ini" || fail "full disk: the first run saved nothing"
    finish first-run
    cp "$full/Brindle's Registry Bits/Jamlog 5.ini" "$work/saved.ini"
    dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null
    # A preview, which marks the store at once, so that there is something to save.
    XDG_CONFIG_HOME=$full start full-disk p $((window))
    drawsInto full-disk
    # The marker's write fails at once; on a loaded machine its message can come after the first picture.
    within 30 saveReported full-disk || fail "full disk: no message: $(tail -3 "$work/full-disk.err")"
    finish full-disk
    cmp -s "$work/saved.ini" "$full/Brindle's Registry Bits/Jamlog 5.ini" || fail "full disk: the settings file changed"
    [ "$(saveFailures full-disk)" -eq 1 ] || fail "full disk: $(saveFailures full-disk) messages"
    umount "$full"
    echo "full disk: settings file kept whole, one message"
else
    echo "SKIP: full disk (no tmpfs can be mounted here)"
fi

# HOME unset.
env -u HOME "$JAMLOG" -window-id "$window" 2>"$work/no-home.err" >/dev/null &
jamlog=$!
started+=($jamlog)
drawsInto no-home
finish no-home
echo "HOME unset: ok"

# No fonts at all: the texts fall back to whatever the font machinery offers, or none.
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
    "$work/no-fonts" "$work/font-cache" >"$work/fonts.conf"
FONTCONFIG_FILE=$work/fonts.conf start no-fonts -window-id "$window"
drawsInto no-fonts
sleep 2
finish no-fonts
FONTCONFIG_FILE=$work/fonts.conf start no-fonts-saver s
within 30 showsMoreColoursThan root 8 || fail "no fonts: the saver shows nothing"
finish no-fonts-saver
echo "no fonts: ok"

# A window resized 100 times a second for three seconds, then left at one size: it is filled to its edges.
start resized -window-id "$window"
drawsInto resized
"$XPROBE" resize "$window" 300 10 || fail "resized: xprobe could not resize"
xdotool windowsize "$window" 500 350
within 20 allDrawn "$window" || fail "resized: parts of the window stay blank after the resizes"
finish resized
kill "$holder"
echo "resized 100 times a second: ok"

# The smallest window, and a very wide one on a server as wide, where every pixel of it can be read back.
makeWindow 1 1
start tiny -window-id "$window"
sleep 4
finish tiny
kill "$holder"
startX 16384x64
makeWindow 16384 48
start wide -window-id "$window"
within 60 allDrawn "$window" 16000 0 384 48 || fail "wide: the far end of the window stays blank"
finish wide
echo "1x1 and 16384x48 windows: ok"

# The host window destroyed under a run: the run ends by itself, without a crash.
start destroyed -window-id "$window"
sleep 2
kill "$holder"
awaitEnd "$jamlog" 20 2>/dev/null
[ "$endStatus" -lt 128 ] || fail "destroyed: died by signal $((endStatus - 128)) when its window went away"
noFindings destroyed
echo "host window destroyed: status $endStatus"

# A depth-16 server: every way of running draws there.
startX 640x400 16
makeWindow 300 200
for how in window-id root saver; do
    case $how in
    window-id) start depth16-$how -window-id "$window"; drawsInto depth16-$how ;;
    root) start depth16-$how -root; within 30 showsMoreColoursThan root 8 || fail "depth 16 -root: nothing drawn" ;;
    saver) start depth16-$how s; within 30 showsMoreColoursThan root 8 || fail "depth 16 s: nothing drawn" ;;
    esac
    sleep 1
    finish depth16-$how
done
echo "depth 16: ok"

# The X server killed under a running saver: the process ends at once, by itself, without a core dump.
for how in window-id saver; do
    startX 640x400
    # Started where a core dump would be left, with dumps allowed.
    if [ $how = window-id ]; then
        makeWindow 300 200
        arguments=(-window-id "$window")
    else
        arguments=(s)
    fi
    (cd "$work" && ulimit -c unlimited && exec "$JAMLOG" "${arguments[@]}") 2>"$work/gone-$how.err" >/dev/null &
    jamlog=$!
    started+=($jamlog)
    within 30 showsMoreColoursThan root 8 || fail "server gone ($how): nothing drawn"
    kill -KILL "$xServer"
    awaitEnd "$jamlog" 10 2>/dev/null
    [ "$endStatus" -lt 128 ] || fail "server gone ($how): died by signal $((endStatus - 128))"
    noFindings gone-$how
    ! ls "$work"/core* >/dev/null 2>&1 || fail "server gone ($how): a core dump was left"
    echo "X server killed ($how): ended with status $endStatus: $(head -1 "$work/gone-$how.err")"
done
echo "hostile environment: ok"
