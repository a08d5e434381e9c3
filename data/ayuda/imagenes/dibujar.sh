#!/bin/sh
# Draws the help's pictures: the gallows after five failures and the on-screen
# keyboard of the game, twice its size on screen so that the letters read well.
#
# Needs (Debian package names): imagemagick (convert), fonts-dejavu-core.
# Usage: data/ayuda/imagenes/dibujar.sh    (from anywhere)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
command -v convert >/dev/null 2>&1 || { echo "dibujar.sh: convert not found; install imagemagick" >&2; exit 1; }
# Dates are left out so that a rerun gives the same bytes.
png="-define png:exclude-chunks=date,time,tIME"

convert -size 240x200 xc:'#f4f1e8' -stroke '#5b3a1e' -strokewidth 8 -fill none \
    -draw 'line 30,185 150,185' -draw 'line 60,185 60,20' -draw 'line 56,24 170,24' \
    -strokewidth 5 -draw 'line 60,60 96,24' \
    -stroke '#8a6a3a' -strokewidth 3 -draw 'line 160,24 160,52' \
    -stroke '#202020' -strokewidth 4 \
    -draw 'circle 160,68 160,52' \
    -draw 'line 160,84 160,130' \
    -draw 'line 160,96 138,118' -draw 'line 160,96 182,118' \
    -draw 'line 160,130 142,162' -draw 'line 160,130 178,162' \
    $png "$here/ahorcado.png"

# Two rows as in the game: A to R with Ñ after N, then S to Z and the digits.
# Vowels wear the colour that marks their price.
key() { # column row caption fill
    x=$((16 + $2 * 16 + $1 * 32)); y=$((16 + $2 * 32))
    printf "fill '%s' stroke '#404040' rectangle %d,%d %d,%d\n" "$4" $x $y $((x + 33)) $((y + 33))
    printf "fill black stroke none text-anchor middle text %d,%d '%s'\n" $((x + 17)) $((y + 24)) "$3"
}
keys=$(
    col=0
    for c in A B C D E F G H I J K L M N Ñ O P Q R; do
        case $c in (A|E|I|O|U) fill='#ff8080' ;; (*) fill='#e4e4e4' ;; esac
        key $col 0 "$c" "$fill"; col=$((col + 1))
    done
    col=0
    for c in S T U V W X Y Z 0 1 2 3 4 5 6 7 8 9; do
        case $c in (U) fill='#ff8080' ;; ([0-9]) fill='#c0c0c0' ;; (*) fill='#e4e4e4' ;; esac
        key $col 1 "$c" "$fill"; col=$((col + 1))
    done
)
convert -size 658x98 xc:'#c0c0c0' -font DejaVu-Sans-Bold -pointsize 17 -strokewidth 1 \
    -draw "$keys" $png "$here/teclado.png"

echo "dibujar.sh: pictures written to $here"
