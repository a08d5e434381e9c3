#!/usr/bin/env bash
# Plays two games in the real program under Xvfb with the keyboard of a
# Spanish layout, as a player would, and checks what it stored when its window
# was closed.
# Usage: smoke_play.sh APP_DIR CLOSE_WINDOW_TOOL [--in-place [COMMAND...]]
# Plays on a copy of APP_DIR, or with --in-place in APP_DIR itself, started
# there or by COMMAND.
set -euo pipefail

app_dir=$1
close_window=$2

if [ "${3:-}" = --in-place ]; then
    play_dir=$app_dir
    shift 3
    command=("${@:-$play_dir/palabrino}")
else
    play_dir=$(mktemp -d)
    trap 'rm -rf "$play_dir"' EXIT
    cp -r "$app_dir"/. "$play_dir"/
    command=("$play_dir/palabrino")
fi
printf '[Config]\r\nCategoria=Prueba\r\nSkin=Clasico\r\n' > "$play_dir/datos.ini"
printf '[Datos]\r\nCuenta=0\r\nModo=0\r\n[Contenido]\r\n1A=r1\r\n2A=\xf1u\r\n[Est]\r\nGanadas=0\r\nPerdidas=0\r\nMaxPunt=0\r\n' \
    > "$play_dir/Categorias/Prueba.ini"

export CLOSE_WINDOW=$close_window
# Without -noreset the server drops the layout when setxkbmap disconnects.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset -ac" bash -c '
    set -euo pipefail
    unset QT_QPA_PLATFORM
    setxkbmap es
    setxkbmap -query | grep -q "^layout: *es$"
    "$@" &
    game=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Palabrino v\.2\.0$" | head -n1)
    sleep 0.5
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    # Four failures, then keys that must play nothing: the dead accent beside
    # P and the key left of 1 (º, and ª with Shift); one more failure would
    # lose. Shift+1 plays 1 and R wins; a key closes the result window and
    # hands the keyboard back to the game.
    xdotool type --delay 120 "stlm"
    xdotool key --delay 150 dead_grave masculine shift+masculine shift+1
    xdotool type --delay 120 "r"
    sleep 0.3
    xdotool key --delay 150 Return space
    sleep 0.3
    # The second phrase: Ñ from its own key, then five failures lose it.
    xdotool key --delay 150 ntilde
    xdotool type --delay 120 "rstlm"
    sleep 0.3
    "$CLOSE_WINDOW" "$window"
    for _ in $(seq 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
    if kill -0 $game 2>/dev/null; then echo "the game did not end"; kill $game; exit 1; fi
    wait $game
' _ "${command[@]}"

stored() { grep -a "^$1=" "$play_dir/Categorias/Prueba.ini" | tr -d '\r' | cut -d= -f2; }
failed=0
check() {
    if [ "$(stored "$1")" != "$2" ]; then
        echo "$1 is '$(stored "$1")', expected '$2'"
        failed=1
    fi
}
check Perdidas 1
check Ganadas 1
check Cuenta 2
# 100 each for 1 and R and 1000 for the win, then 100 for Ñ in the second
# game: the best running total.
check MaxPunt 1300
[ $failed = 0 ] && echo "played two games with a Spanish keyboard in a real window"
exit $failed
