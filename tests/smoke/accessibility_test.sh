#!/usr/bin/env bash
# Starts the game in Xvfb with a session bus and the accessibility bus, and reads
# its accessible tree as a screen reader would.
# Usage: accessibility_test.sh APP_DIR
set -euo pipefail

play_dir=$(mktemp -d)
trap 'rm -rf "$play_dir"' EXIT
cp -r "$1"/. "$play_dir"/
export PLAY_DIR=$play_dir TREE_CHECK="$(dirname "$0")/accessible_tree.py"

xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    set -euo pipefail
    unset QT_QPA_PLATFORM
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    sleep 1
    # Qt offers its accessible tree only when asked to or when a reader runs.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PLAY_DIR/palabrino" &
    game=$!
    status=0
    /usr/bin/python3 "$TREE_CHECK" || status=$?
    kill $game $bus 2>/dev/null || true
    exit $status
' 2> >(grep -v -e "fd limit" -e XDG_RUNTIME >&2)
