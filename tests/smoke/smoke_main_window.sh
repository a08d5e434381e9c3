#!/usr/bin/env bash
# Starts the real game in a real X server, waits for its main window, takes a
# screenshot, closes the window as a person would and checks that it ends well.
# Usage: smoke_main_window.sh APP_DIR CLOSE_WINDOW_TOOL [SCREENSHOT]
#        smoke_main_window.sh --run CLOSE_WINDOW_TOOL COMMAND...
# The second form starts the game through COMMAND instead.
set -euo pipefail

if [ "$1" = --run ]; then
    close_window=$2
    screenshot=
    shift 2
    command=("$@")
else
    close_window=$2
    screenshot=${3:-}
    play_dir=$(mktemp -d)
    trap 'rm -rf "$play_dir"' EXIT
    # Played on a copy, so the test never touches the build's own data.
    cp -r "$1"/. "$play_dir"/
    command=("$play_dir/palabrino")
fi

export CLOSE_WINDOW=$close_window SCREENSHOT=$screenshot
# Open to every client: the game may run as another user than the test.
xvfb-run -a -s "-screen 0 1024x768x24 -ac" bash -c '
    set -euo pipefail
    unset QT_QPA_PLATFORM
    "$@" &
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
' _ "${command[@]}"
echo "main window opened and closed cleanly"
