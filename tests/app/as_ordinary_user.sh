#!/usr/bin/env bash
# Runs one test of a test executable as an ordinary user, where permissions
# bind: as root a read-only folder can still be written, so the test would
# only skip. Fails if the test skips or fails.
# Usage: as_ordinary_user.sh TEST_EXECUTABLE GTEST_FILTER [DATA_FOLDER]
set -euo pipefail

run=("$1" "--gtest_filter=$2")
if [ "$(id -u)" = 0 ]; then
    # The build folder may be private to root: run a copy from a public place.
    place=$(mktemp -d)
    trap 'rm -rf "$place"' EXIT
    chmod 755 "$place"
    cp "$1" "$place/"
    chmod 755 "$place/$(basename "$1")"
    data=()
    if [ $# -ge 3 ]; then
        cp -r "$3" "$place/data"
        chmod -R a+rX "$place/data"
        data=("PALABRINO_TEST_DATA_DIR=$place/data")
    fi
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups
         env HOME=/tmp QT_QPA_PLATFORM=offscreen "${data[@]}" "$place/$(basename "$1")"
         "--gtest_filter=$2")
fi
output=$("${run[@]}" 2>&1) || { echo "$output"; exit 1; }
echo "$output"
if grep -q "SKIPPED \]" <<<"$output"; then
    echo "the test skipped: permissions did not bind"
    exit 1
fi
