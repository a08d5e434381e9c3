#!/usr/bin/env bash
# Fails when the committed .clang-format would change a C++ file, naming the
# places; `clang-format-14 -i FILE` mends one.
set -euo pipefail
cd "$1"
find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format-14 --dry-run --Werror
