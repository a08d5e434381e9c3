#!/bin/sh
# Prepares a Wine prefix in which the Windows build sees the fonts a Windows
# machine has: Tahoma as TrueType and Fixedsys as the raster font vgafix.fon.
#
# Debian's Wine does not load the fonts of its data folder (fonts-wine puts
# them in /usr/share/wine/fonts): it reads only C:\windows\Fonts and
# fontconfig's folders, so without this every label falls back to a serif
# face. The registry of a new prefix already names vgafix.fon (Fixedsys) and
# vgasys.fon (System) as its bitmap fonts; they only lack the files. Wine's
# fixedsys.ttf is no use there: Wine skips bitmap-only TrueType files found in
# C:\windows\Fonts, and Windows has no such file either.
#
# Needs (Debian package names): wine, wine64, fonts-wine.
#
# Usage: tools/wine-prefix.sh PREFIX    (a new or an existing prefix; the
#        fonts are copied again each time). Then run with WINEPREFIX=PREFIX.
set -eu

[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
prefix=$1
source=/usr/share/wine/fonts

for file in tahoma.ttf tahomabd.ttf vgafix.fon vgasys.fon; do
    [ -f "$source/$file" ] || { echo "wine-prefix.sh: $source/$file missing; install fonts-wine" >&2; exit 1; }
done

mkdir -p "$(dirname "$prefix")"
export WINEPREFIX="$prefix"
WINEDEBUG=${WINEDEBUG:--all} wineboot -i
# The fonts are read when the server starts: copy them once it has ended.
wineserver -w

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
for file in tahoma.ttf tahomabd.ttf vgafix.fon vgasys.fon; do
    cp "$source/$file" "$fonts/"
done
