#!/usr/bin/env bash
# Lays out the Debian package's tree in a temporary root and plays from it as a
# new player of that machine: the command on the PATH gives the player a game
# folder of their own, brings it up to date at each start, and never writes
# the installed tree. Runs the game as an ordinary user when run as root.
# Usage: package_test.sh BUILD_DIR CLOSE_WINDOW_TOOL
set -euo pipefail

build_dir=$1
close_window=$2
here=$(dirname "$0")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
root=$work/root
for component in Unspecified system; do
    DESTDIR=$root cmake --install "$build_dir" --prefix /usr --component $component > /dev/null
done
installed=$root/usr/lib/palabrino
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.palabrino.metainfo.xml" > /dev/null
desktop-file-validate "$root/usr/share/applications/org.example.palabrino.desktop"
[ ! -e "$installed/.originales" ] || { echo "the installed tree keeps pristine copies"; exit 1; }
[ "$(readlink -f "$root/usr/games/palabrino-comprobar")" = "$installed/palabrino-comprobar" ] ||
    { echo "the checker is not on the PATH"; exit 1; }

home=$work/home
mkdir "$home"
player=(env -u XDG_DATA_HOME HOME="$home")
if [ "$(id -u)" = 0 ]; then
    chown 65534:65534 "$home"
    # Under the sanitizers the leak suppressions must be readable by the player.
    if [ -n "${LSAN_OPTIONS:-}" ]; then
        cp "$here/../lsan.supp" "$work/lsan.supp"
        player+=(LSAN_OPTIONS="suppressions=$work/lsan.supp")
    fi
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups "${player[@]}")
fi
game_folder=$home/.local/share/palabrino
# Started as the desktop entry starts it.
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.example.palabrino.desktop")
[ "$command" = /usr/games/palabrino ] || { echo "the desktop entry starts $command"; exit 1; }
start=("${player[@]}" "$root$command")

tree() { (cd "$root" && find . -printf '%p %m %s %l\n' | sort && find . -type f -exec sha256sum {} + | sort); }
tree > "$work/installed"
unchanged() { tree | cmp -s - "$work/installed" || { echo "the installed tree was written"; exit 1; }; }

# A new player: the folder is made, laid out as the portable one, and the game
# runs from it.
bash "$here/smoke_main_window.sh" --run "$close_window" "${start[@]}"
for file in palabrino palabrino-ayuda ayuda.chm datos.ini Categorias/Animales.ini \
    Skins/Clasico/fondo.gif .originales/Categorias/Animales.ini; do
    [ -e "$game_folder/$file" ] || { echo "missing $game_folder/$file"; exit 1; }
done
[ "$(ls -A "$home/.local/share")" = palabrino ] || { echo "left behind: $(ls -A "$home/.local/share")"; exit 1; }
unchanged

# The second start plays in the same folder, and the statistics land there.
# The category played is the player's own file.
: > "$game_folder/Categorias/Prueba.ini"
chown --reference="$home" "$game_folder/Categorias/Prueba.ini"
folder_id=$(stat -c %i "$game_folder")
bash "$here/smoke_play.sh" "$game_folder" "$close_window" --in-place "${start[@]}"
[ "$(stat -c %i "$game_folder")" = "$folder_id" ] || { echo "a second start made a new folder"; exit 1; }
unchanged

# An upgrade: new shipped data reaches the player's copies that the game left
# alone, and nothing the game or the player wrote.
printf '[Datos]\r\nCuenta=0\r\n[Contenido]\r\n1A=nuevo\r\n' > "$work/new.ini"
for file in Animales.ini Deportes.ini Nueva.ini; do cp "$work/new.ini" "$installed/Categorias/$file"; done
printf 'Ganadas=7\r\n' >> "$game_folder/Categorias/Deportes.ini"
cp "$game_folder/Categorias/Deportes.ini" "$work/played.ini"
printf '[Config]\r\nCategoria=Nueva\r\nSkin=Noche\r\n' > "$installed/datos.ini"
tree > "$work/installed"
bash "$here/smoke_main_window.sh" --run "$close_window" "${start[@]}"
for file in Animales.ini Nueva.ini; do
    cmp -s "$game_folder/Categorias/$file" "$work/new.ini" || { echo "$file was not brought up to date"; exit 1; }
done
cmp -s "$game_folder/Categorias/Deportes.ini" "$work/played.ini" || { echo "the played Deportes.ini was overwritten"; exit 1; }
grep -aq "^Categoria=Prueba" "$game_folder/datos.ini" || { echo "the player's settings were overwritten"; exit 1; }
grep -aq "^Perdidas=1" "$game_folder/Categorias/Prueba.ini" || { echo "the player's statistics were lost"; exit 1; }
unchanged

# A folder that cannot be made is told on the desktop, and the game does not start.
: > "$work/file"
export CLOSE_WINDOW=$close_window
xvfb-run -a -s "-screen 0 1024x768x24 -ac" bash -c '
    "$@" &
    launcher=$!
    box=$(timeout 20 xdotool search --sync --onlyvisible --name "^Palabrino$" | head -n1)
    [ -n "$box" ] || { echo "no message appeared"; kill $launcher; exit 1; }
    "$CLOSE_WINDOW" "$box"
    ! wait $launcher
' _ "${player[@]}" XDG_DATA_HOME="$work/file" "$root$command"
echo "installed, played as a new player, upgraded, and refused an impossible folder"
