#!/usr/bin/env bash
# Starts the real game in a real X server, waits for its main window, takes a
# screenshot, closes the window as a person would and checks that it ends well.
# Usage: smoke_main_window.sh APP_DIR CLOSE_WINDOW_TOOL [SCREENSHOT]
set -euo pipefail

app_dir=$1
close_window=$2
screenshot=${3:-}

play_dir=$(mktemp -d)
trap 'rm -rf "$play_dir"' EXIT
# Played on a copy, so the test never touches the build's own data.
cp -r "$app_dir"/. "$play_dir"/

export PLAY_DIR=$play_dir CLOSE_WINDOW=$close_window SCREENSHOT=$screenshot
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    unset QT_QPA_PLATFORM
    "$PLAY_DIR/palabrino" &
    game=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Palabrino v\.2\.0$" | head -n1)
    [ -n "$window" ] || { echo "no main window appeared"; kill $game; exit 1; }
    sleep 1
    if [ -n "$SCREENSHOT" ] && command -v import >/dev/null; then
        import -window root "$SCREENSHOT"
    fi
    "$CLOSE_WINDOW" "$window"
    for _ in $(seq 100); do
        kill -0 $game 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 $game 2>/dev/null; then
        echo "the game did not end after its window was closed"
        kill $game
        exit 1
    fi
    wait $game
'
echo "main window opened and closed cleanly"
