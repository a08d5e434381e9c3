#!/bin/sh
# Builds Qt's qtbase for 64-bit Windows with MinGW-w64 from Debian's own
# qt6-base source, the same version as the host's Qt, whose moc, rcc and uic
# the cross build uses. Debian ships no Qt for MinGW; this is the one the
# Windows folder is built against when none is at hand.
#
# The source comes through apt, with a sources list and a lists folder of our
# own inside the work folder, so the machine's apt configuration is never
# touched. Takes about half an hour on 2 cores; the result is about 70 MB.
#
# Needs (Debian package names): qt6-base-dev qt6-base-dev-tools
# g++-mingw-w64-x86-64-posix cmake ninja-build xz-utils dpkg-dev.
#
# Usage: tools/qt-mingw.sh PREFIX    (for instance ~/.cache/palabrino/qt6-mingw).
# PREFIX/lib/cmake/Qt6/qt.toolchain.cmake is the toolchain file to build with.
set -eu

[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
work="$prefix.work"
jobs=$(nproc 2>/dev/null || echo 2)

if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "qt-mingw.sh: a Qt for MinGW is already in $prefix"
    exit 0
fi

rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/cache/archives/partial"

# The mirror and keyring of the machine's own Debian entry, as a deb-src line.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=http://deb.debian.org/debian
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    found=$(awk '/^URIs:/ { uri = $2 } /^Signed-By:/ { key = $2 }
                 /^$/ { if (uri ~ /debian$/ && key != "") { print uri, key; exit } uri = ""; key = "" }
                 END { if (uri ~ /debian$/ && key != "") print uri, key }' \
        /etc/apt/sources.list.d/debian.sources | head -n 1)
    [ -z "$found" ] || { mirror=${found% *}; keyring=${found#* }; }
fi
echo "deb-src [signed-by=$keyring] $mirror $codename main" > "$work/sources.list"

apt_private() {
    apt-get -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" \
        -o Debug::NoLocking=1 "$@"
}
apt_private update
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
(cd "$work" && apt_private source --download-only "qt6-base=$version")

tarball=$(ls "$work"/qt6-base_*.orig.tar.xz)
mkdir -p "$work/source"
tar -xJf "$tarball" -C "$work/source" --strip-components=1

# Kept in the prefix: the Qt toolchain file loads it from there.
cat > "$prefix/toolchain-mingw64.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# Only what the game uses. Debian's +dfsg source lacks the tablet (wintab)
# header the Windows plugin needs for tablets, hence tabletevent off; the
# third-party libraries are the bundled ones, as no MinGW build of them exists.
cmake -S "$work/source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain-mingw64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
    -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_testlib=ON -DFEATURE_network=ON -DFEATURE_openssl=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build"
find "$prefix/bin" "$prefix/plugins" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

rm -rf "$work"
echo "qt-mingw.sh: Qt for MinGW installed in $prefix"
