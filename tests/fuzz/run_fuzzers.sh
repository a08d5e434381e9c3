#!/usr/bin/env bash
# Runs every fuzzer of a build folder for FUZZ_SECONDS on its corpus.
# FUZZ_KEEP=1 merges the inputs that found new paths into tests/fuzz/corpus.
set -euo pipefail
fuzzers=$1
here=$(cd "$(dirname "$0")" && pwd)
seconds=${FUZZ_SECONDS:-600}
keep=${FUZZ_KEEP:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for fuzzer in "$fuzzers"/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=$here/corpus/${name#fuzz_}
    mkdir -p "$corpus" "$work/$name"
    echo "== $name: $seconds s on $(ls "$corpus" | wc -l) inputs"
    # New inputs go to the first folder, the kept corpus is only read.
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -artifact_prefix="$work/" "$work/$name" "$corpus" 2>"$work/$name.log" || {
        tail -60 "$work/$name.log"
        echo "$name found a fault; its input is kept in tests/fuzz/regressions/${name#fuzz_}" >&2
        mkdir -p "$here/regressions/${name#fuzz_}"
        cp "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$here/regressions/${name#fuzz_}/" \
            2>/dev/null || true
        exit 1
    }
    grep -E "^#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$work/$name.log" || true
    if [ "$keep" = 1 ]; then
        "$fuzzer" -merge=1 "$corpus" "$work/$name" 2>>"$work/$name.log"
        echo "   corpus now $(ls "$corpus" | wc -l) inputs"
    fi
done
