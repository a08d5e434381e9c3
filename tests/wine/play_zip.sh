#!/usr/bin/env bash
# Plays the Windows game as a player gets it: unzipped into a folder whose path
# holds a blank, an accent and Ñ, started under Wine in an X server of its own
# with a Spanish layout, two games played with the keyboard only (one won, one
# lost, the Ñ key among the keys), the help opened from the menu and the
# window closed with Alt+F4. Catches a zip that does not start from such a
# folder, a help file HTML Help cannot find, keys that do not play under
# Windows' key codes, and statistics stored in other bytes than a Windows
# program writes (Windows-1252, CRLF) or in other files than the category's.
#
# Usage: play_zip.sh ZIP PALABRINO_EXE CMAKE    (WINEPREFIX from the environment)
set -euo pipefail

zip=$1
built_exe=$2
cmake=$3
[ -n "${WINEPREFIX:-}" ] || { echo "WINEPREFIX is not set"; exit 2; }
[ -f "$zip" ] || { echo "$zip is missing: build the target windows_zip"; exit 2; }
if [ "$built_exe" -nt "$zip" ]; then
    echo "$zip is older than $built_exe: build the target windows_zip"
    exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine cannot start a program from a path with Ñ under a locale that is not generated.
export LANG=C.UTF-8
unset LC_ALL

work=$(mktemp -d)
xvfb_pid=
game_pid=
finished=0
cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null || true
    fi
    # Whatever is left of Wine would hold on to this display after it is gone.
    if [ "$finished" = 0 ] && [ -n "$xvfb_pid" ]; then
        timeout 10 wineserver -k 2>/dev/null || true
    fi
    timeout 30 wineserver -w 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "$*"
    if [ -n "${category:-}" ] && [ -f "$category" ]; then
        echo "the category file holds:"
        od -c "$category"
    fi
    exit 1
}

# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

stored() { grep -qa "^$1"$'\r$' "$category"; }
result_shown() { xdotool search --onlyvisible --name '^Form2$' >/dev/null 2>&1; }
result_gone() { ! result_shown; }
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
# Wine misses an Alt chord pressed all at once; without a window manager it
# turns Alt+F4 into a close itself.
alt_key() {
    xdotool keydown Alt_L
    sleep 0.2
    xdotool key "$1"
    sleep 0.2
    xdotool keyup Alt_L
}

parent="$work/Mis juegos/Año Ñu"
mkdir -p "$parent"
(cd "$parent" && "$cmake" -E tar xf "$zip")
app="$parent/Palabrino"
[ -f "$app/palabrino.exe" ] || fail "the zip holds no Palabrino/palabrino.exe"
category="$app/Categorias/Prueba.ini"
printf '[Config]\r\nCategoria=Prueba\r\nSkin=Clasico\r\n' >"$app/datos.ini"
printf '[Datos]\r\nCuenta=0\r\nModo=0\r\n[Contenido]\r\n1A=r1\r\n2A=\xf1u\r\n[Est]\r\nGanadas=0\r\nPerdidas=0\r\nMaxPunt=0\r\n' \
    >"$category"

# Every other file, to be found unchanged, and no file left behind.
manifest() {
    (cd "$app" && find . -print | LC_ALL=C sort &&
        find . -type f ! -path ./Categorias/Prueba.ini -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}
manifest >"$work/before"

# Without -noreset the server drops the layout when setxkbmap disconnects.
fifo="$work/displayfd"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
display=$(timeout 20 head -n 1 "$fifo") || true
[ -n "$display" ] || fail "Xvfb did not start"
export DISPLAY=":$display"
setxkbmap es
setxkbmap -query | grep -q '^layout: *es$' || fail "the Spanish layout did not take"

# The desktop of the prefix keeps the display it was started with: let what
# runs in the prefix for another display end first.
timeout 60 wineserver -w || fail "the Wine prefix stayed busy"
# Started from elsewhere: the game finds its folder from its own path.
(cd "$work" && exec wine "$app/palabrino.exe") </dev/null &
game_pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Palabrino v\.2\.0$' | head -n 1) || true
[ -n "$window" ] || fail "no window titled Palabrino v.2.0"
timeout 10 xdotool windowfocus --sync "$window" || fail "the window took no focus"
wait_for 20 "the first game to be dealt" stored 'Cuenta=1'

# Four failures, then keys that must play nothing: the dead accent beside P
# and the key left of 1 (º, and ª with Shift); one more failure would lose.
# Shift+1 plays 1 and R wins.
xdotool type --delay 120 "stlm"
xdotool key --delay 150 dead_grave masculine shift+masculine shift+1
xdotool type --delay 120 "r"
wait_for 20 "the win to be counted" stored 'Ganadas=1'
wait_for 20 "the won picture" result_shown
# A key closes the picture and hands the keyboard back; Space then presses
# "Nueva Partida".
xdotool key Return
wait_for 20 "the won picture to close" result_gone
xdotool key space
wait_for 20 "the second game to be dealt" stored 'Cuenta=2'

# Ñ from its own key, then five failures lose.
xdotool key ntilde
xdotool type --delay 120 "rstlm"
wait_for 20 "the loss to be counted" stored 'Perdidas=1'
wait_for 20 "the lost picture" result_shown
xdotool key Return
wait_for 20 "the lost picture to close" result_gone

# Help from the menu: Wine has no HTML engine here, so its viewer shows an
# empty page, but the window opening under the help file's title shows that
# HTML Help found our file.
alt_key a
xdotool key Return
help=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ayuda de Palabrino$' | head -n 1) || true
[ -n "$help" ] || fail "the help viewer did not open"
timeout 10 xdotool windowfocus --sync "$help" || fail "the help viewer took no focus"
alt_key F4
help_gone() { ! xdotool search --onlyvisible --name '^Ayuda de Palabrino$' >/dev/null 2>&1; }
wait_for 20 "the help viewer to close" help_gone
timeout 10 xdotool windowfocus --sync "$window" || fail "the game took the focus back"

alt_key F4
wait_for 20 "the game to end after Alt+F4" game_ended
wait "$game_pid" || fail "the game ended with status $?"
game_pid=
timeout 30 wineserver -w || true

# 100 each for 1 and R and 1000 for the win, then 100 for Ñ in the second
# game: the best running total, stored at the close.
printf '[Datos]\r\nCuenta=2\r\nModo=0\r\n[Contenido]\r\n1A=r1\r\n2A=\xf1u\r\n[Est]\r\nGanadas=1\r\nPerdidas=1\r\nMaxPunt=1300\r\n' \
    >"$work/expected"
cmp -s "$work/expected" "$category" || fail "the category file is not as expected"
manifest >"$work/after"
if ! diff "$work/before" "$work/after"; then
    fail "files of the folder changed, appeared or went missing"
fi
finished=1
echo "played two games under Wine from $parent"
