#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; prints their figures as ratios against a floor.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Brisalto bench_buttons bench_floor
source scripts/wine-env.sh
trap wine_env_down EXIT
wine_env_up
BRISALTO_EXE=$PWD/build/mingw/Brisalto.exe BRISALTO_FLOOR=$PWD/build/mingw/bench_floor.exe \
    wine build/mingw/bench_buttons.exe
