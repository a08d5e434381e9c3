#!/usr/bin/env bash
# Installs the game under a temporary prefix, checks the layout and the desktop
# entry, then plays a game in the installed folder itself.
# Usage: install_test.sh BUILD_DIR CLOSE_WINDOW_TOOL
set -euo pipefail

build_dir=$1
close_window=$2
here=$(dirname "$0")

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" > /dev/null

app="$prefix/lib/palabrino"
for file in palabrino palabrino-ayuda palabrino-comprobar ayuda.chm datos.ini \
    Categorias/Animales.ini Skins/Clasico/fondo.gif; do
    [ -e "$app/$file" ] || { echo "missing $app/$file"; exit 1; }
done
for program in palabrino palabrino-comprobar; do
    [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$app/$program")" ] ||
        { echo "bin/$program does not start the installed $program"; exit 1; }
done
[ ! -e "$app/ayuda" ] || { echo "the help's sources were installed"; exit 1; }
[ ! -e "$app/palabrino-lanzador" ] || { echo "the package's launcher was installed"; exit 1; }
for size in 16 24 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/palabrino.png" ] ||
        { echo "missing the ${size}px icon"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.example.palabrino.desktop"
grep -qx "Exec=$prefix/bin/palabrino" "$prefix/share/applications/org.example.palabrino.desktop" ||
    { echo "the desktop entry does not start the launcher"; exit 1; }

# The shipped data has nothing an author would need to mend.
"$app/palabrino-comprobar" "$app"

bash "$here/smoke_play.sh" "$app" "$close_window" --in-place

# Installing again keeps the statistics the game wrote.
cmake --install "$build_dir" --prefix "$prefix" > /dev/null
grep -aq "^Perdidas=1" "$app/Categorias/Prueba.ini" || { echo "reinstalling lost the game's data"; exit 1; }
echo "installed, played and reinstalled without losing data"
