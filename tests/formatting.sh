#!/usr/bin/env bash
# Fails naming every C++ file that the committed .clang-format would change.
set -u
cd "$1" || exit 2
bad=0
while IFS= read -r -d '' file; do
    if ! clang-format-14 --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (clang-format-14 -i $file)"
        bad=1
    fi
done < <(find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0)
exit "$bad"
