#!/usr/bin/env bash
# Runs every fuzzer of a build folder for FUZZ_SECONDS on its corpus. The
# working tree is left as it was unless FUZZ_KEEP=1, which merges the inputs
# that found new paths into tests/fuzz/corpus and keeps a failing input in
# tests/fuzz/regressions.
set -euo pipefail
fuzzers=$1
here=$(cd "$(dirname "$0")" && pwd)
seconds=${FUZZ_SECONDS:-600}
keep=${FUZZ_KEEP:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for fuzzer in "$fuzzers"/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=$here/corpus/${name#fuzz_}
    [ -d "$corpus" ] || corpus=$work/empty
    mkdir -p "$corpus" "$work/$name"
    echo "== $name: $seconds s on $(ls "$corpus" | wc -l) inputs"
    # New inputs go to the first folder, the kept corpus is only read.
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -artifact_prefix="$work/" "$work/$name" "$corpus" 2>"$work/$name.log" || {
        tail -60 "$work/$name.log"
        if [ "$keep" = 1 ]; then
            kept=$here/regressions/${name#fuzz_}
        else
            kept=$(mktemp -d)
        fi
        mkdir -p "$kept"
        cp "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$kept/" 2>/dev/null || true
        echo "$name found a fault; its input is kept in $kept" >&2
        exit 1
    }
    grep -E "^#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$work/$name.log" || true
    if [ "$keep" = 1 ] && [ "$corpus" != "$work/empty" ]; then
        # Only inputs that reach new edges, so the kept corpus stays small.
        "$fuzzer" -set_cover_merge=1 -use_counters=0 "$corpus" "$work/$name" 2>>"$work/$name.log"
        echo "   corpus now $(ls "$corpus" | wc -l) inputs"
    fi
done
