# The full-screen saver over several monitors: with NoMM 0 it spans the whole desktop, with NoMM 1 it keeps to the
# primary monitor wherever that lies; a single monitor is covered whatever NoMM says, even when the X screen
# is larger. The monitors are RandR monitors splitting one X screen, as Qt takes each of them for a screen.
JAMLOG=$1 XPROBE=$2
source "$(dirname "$0")/lib.sh"
startX 2304x800

monitors() {
    local status=0
    "$XPROBE" monitors "$@" || status=$?
    [ $status -eq 3 ] && { echo "SKIP: xprobe was built without RandR"; exit $skipCode; }
    [ $status -eq 0 ] || fail "cannot set the monitors $*"
}

# Sets $geometry to WxH+X+Y of the jamlog window that has the focus; fails while there is none.
focusedGeometry() {
    local focus
    focus=$(xdotool getwindowfocus 2>/dev/null) || return 1
    geometry=$(xwininfo -root -tree | grep '("jamlog" "jamlog")' |
        awk -v id="$(printf '0x%x' "$focus")" '$1 == id { print $(NF - 1) }' | head -1)
    [ -n "$geometry" ]
}

# Succeeds when jamlog's legend (its small top-level window) lies wholly inside the rectangle WxH+X+Y.
legendInside() {
    local w h x y lw lh lx ly
    IFS='x+' read -r w h x y <<<"$1"
    read -r lw lh lx ly < <(xwininfo -root -tree | grep '("jamlog" "jamlog")' | awk '{ print $(NF - 1), $NF }' |
        while read -r size at; do
            IFS='x+' read -r sw sh _ _ <<<"$size"
            IFS='+' read -r _ ax ay <<<"$at"
            [ "$sw" -lt 400 ] && echo "$sw $sh $ax $ay"
        done | head -1)
    [ -n "$lw" ] && [ "$lx" -ge "$x" ] && [ "$ly" -ge "$y" ] && [ $((lx + lw)) -le $((x + w)) ] &&
        [ $((ly + lh)) -le $((y + h)) ]
}

# expectCover NOMM WxH+X+Y [PRIMARY]: the saver run with NoMM set so covers exactly that rectangle, with the
# layout drawn all over it and the legend on the primary monitor (the covered rectangle when not given).
expectCover() {
    local noMM=$1 want=$2 primary=${3:-$2}
    [ -f "$settingsFile" ] && storeSetting Screen NoMM "$noMM"
    xdotool mousemove 600 300
    background "$JAMLOG" s --seed 5
    local saver=$lastPid
    within 30 focusedGeometry || fail "NoMM $noMM: no jamlog window with the focus"
    [ "$geometry" = "$want" ] || fail "NoMM $noMM: the saver covers $geometry, not $want"
    local w h x y
    IFS='x+' read -r w h x y <<<"$want"
    # Both halves: the picture fills the whole window, not a part of it.
    within 10 showsMoreColoursThan root 8 "$x" "$y" $((w / 2)) "$h" || fail "NoMM $noMM: left half not drawn"
    within 10 showsMoreColoursThan root 8 $((x + w / 2)) "$y" $((w / 2)) "$h" || fail "NoMM $noMM: right half not drawn"
    within 10 legendInside "$primary" || fail "NoMM $noMM: the legend is not on the primary monitor $primary"
    kill -TERM "$saver"
    awaitEnd "$saver" 30
    echo "NoMM $noMM: $geometry"
}

monitors 1280x800+0+0
expectCover 0 1280x800+0+0

# The primary monitor on the right, so that the primary's corner is not the desktop's.
monitors 1280x800+1024+0 1024x768+0+0
expectCover 0 2304x800+0+0 1280x800+1024+0
expectCover 1 1280x800+1024+0
