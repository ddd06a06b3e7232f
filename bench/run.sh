#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine 8 and then under Wine 10; prints their figures as
# ratios against a floor measured under the same Wine in the same run. BENCH_WINES="8" (or "10")
# runs under one Wine alone.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Brisalto bench_buttons bench_floor
for wine_version in ${BENCH_WINES:-8 10}; do
    [ "$wine_version" = 8 ] || scripts/wine10.sh setup
    (
        export BRISALTO_WINE=$wine_version
        unset WINEPREFIX
        source scripts/wine-env.sh
        trap wine_env_down EXIT
        wine_env_up
        echo "== Under Wine $wine_version"
        BRISALTO_EXE=$PWD/build/mingw/Brisalto.exe BRISALTO_FLOOR=$PWD/build/mingw/bench_floor.exe \
            wine build/mingw/bench_buttons.exe
    )
done
