#!/bin/sh
# Starts or stops the X server the Windows tests draw on under Wine: the
# windows platform draws through Wine's X11 driver, which needs a display.
# STATE holds the display number and the server's process id; the wrapper
# (run-under-wine.sh) reads it.
#
# Usage: display.sh start|stop STATE
set -eu

[ $# -eq 2 ] || { echo "usage: $0 start|stop STATE" >&2; exit 2; }
state=$2

stop() {
    if [ -s "$state" ]; then
        read -r _ pid <"$state" || true
        rm -f "$state"
        [ -z "${pid:-}" ] || kill "$pid" 2>/dev/null || true
    fi
}

case $1 in
start)
    stop
    # The desktop of a prefix keeps the display driver it was started with:
    # let the Wine processes of the test discovery, started without this
    # display, end first.
    wineserver -w 2>/dev/null || true
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/wine-display.XXXXXX")
    mkfifo "$fifo"
    # In a session of its own, so that it outlives this test.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$fifo" </dev/null >/dev/null 2>&1 &
    pid=$!
    display=$(head -n 1 "$fifo") || true
    rm -f "$fifo"
    [ -n "$display" ] || { echo "display.sh: Xvfb did not start" >&2; exit 1; }
    echo "$display $pid" >"$state"
    echo "Xvfb on :$display"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE" >&2
    exit 2
    ;;
esac
