#!/usr/bin/env bash
# Fuzzes the settings store (start-up, every command and the exit on any stored values) and the
# comma reader for the given seconds each (default 45 and 15), starting from the corpus kept in
# tests/fuzz/corpus. New inputs land in build/fuzz/corpus, not in the tree; a crash leaves its
# input in build/fuzz/crash-* and fails the run. Needs the fuzz build:
#     cmake --preset fuzz && cmake --build --preset fuzz
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
store_seconds=${1:-45}
comma_seconds=${2:-15}
for target in store comma; do
    seconds=$store_seconds
    [ "$target" = comma ] && seconds=$comma_seconds
    work=build/fuzz/corpus/$target
    mkdir -p "$work"
    log=build/fuzz/$target.log
    echo "== Fuzzing the $target for $seconds s"
    if ! build/fuzz/${target}_fuzz "$work" "tests/fuzz/corpus/$target" -max_total_time="$seconds" \
            -artifact_prefix=build/fuzz/ -print_final_stats=1 >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "== The $target fuzz target failed; its input is in build/fuzz/"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "   $runs runs, $rate per second, nothing found"
done
