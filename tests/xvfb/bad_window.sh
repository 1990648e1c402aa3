# A host or preview window that is missing, malformed or names no window: one line on stderr, exit status 2,
# no settings written, no window made.
JAMLOG=$1 XPROBE=$2
source "$(dirname "$0")/lib.sh"
startX

missing=0x7ffffff0
# refused LABEL ENV-ASSIGNMENT|- ARGS...: jamlog must refuse the run.
refused() {
    local label=$1 assignment=$2
    shift 2
    local status=0
    if [ "$assignment" = - ]; then
        timeout 60 "$JAMLOG" "$@" >"$work/out" 2>"$work/err" || status=$?
    else
        env "$assignment" timeout 60 "$JAMLOG" "$@" >"$work/out" 2>"$work/err" || status=$?
    fi
    [ "$status" -eq 2 ] || fail "$label: exit status $status, not 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$label: not one line on stderr: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$label: wrote to stdout"
    [ -z "$(ls -A "$XDG_CONFIG_HOME")" ] || fail "$label: settings were written"
    xwininfo -root -tree | grep -q jamlog && fail "$label: a window was made"
    echo "$label: $(cat "$work/err")"
}

refused "-window-id of no window" - -window-id $missing
refused "decimal -window-id of no window" - -window-id $((missing))
refused "XSCREENSAVER_WINDOW of no window" XSCREENSAVER_WINDOW=$missing
refused "preview of no window" - p $((missing))
refused "preview with a slash" - /p $((missing))
refused "malformed -window-id" - -window-id 0xZZ
refused "missing -window-id" - -window-id
refused "malformed XSCREENSAVER_WINDOW" XSCREENSAVER_WINDOW=window
refused "preview without a handle" - p
refused "no display" DISPLAY=:999 -window-id 0x400001
echo "bad windows: ok"
