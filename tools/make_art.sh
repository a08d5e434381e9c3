#!/bin/sh
# Regenerates the raster pictures in resources/ from the SVG sources in tools/art/.
#
# Needs (Debian package names):
#   librsvg2-bin       rsvg-convert, renders the SVG files
#   imagemagick        convert (or magick), packs the Windows icon
#   fonts-dejavu-core  DejaVu Sans Bold, the typeface of the logo's wordmark
#
# Usage: tools/make_art.sh    (from anywhere; paths are taken from the script)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
art=$here/art
out=$(dirname "$here")/resources

need() {
    command -v "$1" >/dev/null 2>&1 || { echo "make_art.sh: $1 not found; install the Debian package $2" >&2; exit 1; }
}
need rsvg-convert librsvg2-bin
if command -v magick >/dev/null 2>&1; then im=magick; else need convert imagemagick; im=convert; fi
fc-list 2>/dev/null | grep -q 'DejaVu Sans:style=Bold' ||
    echo "make_art.sh: warning: DejaVu Sans Bold missing (fonts-dejavu-core); the logo text will use another face" >&2

mkdir -p "$out/icons" "$out/about" "$out/cursors"

render() { # svg size png
    rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio "$art/$1" --output "$3"
}

# The two smallest sizes have their own pixel-drawn sources; the rest scale the big drawing.
for n in 16 24; do
    render "palabrino-$n.svg" "$n" "$out/icons/palabrino-$n.png"
done
for n in 32 48 64 128 256; do
    render palabrino.svg "$n" "$out/icons/palabrino-$n.png"
done

# Dates are left out so that a rerun gives the same bytes.
$im -define png:exclude-chunks=date,time \
    $(for n in 16 24 32 48 64 128 256; do echo "$out/icons/palabrino-$n.png"; done) \
    "$out/icons/palabrino.ico"

rsvg-convert "$art/cruz.svg" --output "$out/about/cruz.png"
rsvg-convert "$art/logo.svg" --output "$out/about/logo.png"
rsvg-convert "$art/sobre.svg" --output "$out/cursors/sobre.png"
rsvg-convert "$art/globo.svg" --output "$out/cursors/globo.png"

echo "make_art.sh: pictures written to $out"
