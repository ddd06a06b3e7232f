#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine 8 and then under Wine 10; prints their figures as
# ratios against a floor measured under the same Wine in the same run.
#   BENCH_WINES="8" (or "10")   one Wine alone
#   BENCH_PART=startup|change|toggle|keys|portable|transfer|steps|idle   one part alone (all
#                                                                     without it)
#   BENCH_BEFORE=<commit>   that commit's Brisalto.exe (built once in build/before-<commit>) is
#                           measured beside this one where a part compares them (toggle, idle)
#   BENCH_IDLE_SECONDS=30   the quiet spell of the idle part
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Brisalto bench_buttons bench_floor cover
before=
if [ -n "${BENCH_BEFORE:-}" ]; then
    commit=$(git rev-parse --short "$BENCH_BEFORE")
    tree=$PWD/build/before-$commit
    if [ ! -f "$tree/build/mingw/Brisalto.exe" ]; then
        rm -rf "$tree"
        mkdir -p "$tree"
        git archive "$commit" | tar -x -C "$tree"
        (cd "$tree" && cmake --preset mingw >/dev/null && cmake --build --preset mingw --target Brisalto)
    fi
    before=$tree/build/mingw/Brisalto.exe
fi
part=${BENCH_PART:-}
for wine_version in ${BENCH_WINES:-8 10}; do
    [ "$wine_version" = 8 ] || scripts/wine10.sh setup
    (
        export BRISALTO_WINE=$wine_version
        unset WINEPREFIX
        source scripts/wine-env.sh
        trap wine_env_down EXIT
        wine_env_up
        echo "== Under Wine $wine_version"
        if [ "$part" != idle ]; then
            BRISALTO_EXE=$PWD/build/mingw/Brisalto.exe BRISALTO_FLOOR=$PWD/build/mingw/bench_floor.exe \
                BRISALTO_COVER=$PWD/build/mingw/cover.exe \
                BRISALTO_BEFORE=$before wine build/mingw/bench_buttons.exe
        fi
        if [ -z "$part" ] || [ "$part" = idle ]; then
            echo
            echo "Idle, nothing happening (no clock, no change, the pointer still on the first button), over ${BENCH_IDLE_SECONDS:-30} s"
            bench/idle.sh "${BENCH_IDLE_SECONDS:-30}" 0,100,1000 ${before:+before=$before} \
                after=$PWD/build/mingw/Brisalto.exe
        fi
    )
done
