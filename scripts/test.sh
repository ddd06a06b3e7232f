#!/usr/bin/env bash
# Builds everything and runs all three test tiers: unit (native, on the fake platform), win32
# (the adapter under Wine) and e2e (the real program and its packages under Wine on a virtual
# desktop); on the way it also builds the program with clang.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
start=$(date +%s)
scripts/deps.sh

echo "== Unit tests (native, AddressSanitizer and UBSan)"
cmake --preset native >/dev/null
scripts/lint.sh
cmake --build --preset native
ctest --preset unit --output-on-failure -j2 | tail -n 4

echo "== Fuzz targets (clang libFuzzer, AddressSanitizer and UBSan)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/fuzz.sh 45 15

echo "== Windows build"
cmake --preset mingw >/dev/null
cmake --build --preset mingw
echo "== Packages"
cmake --build --preset mingw --target package | grep '^CPack: - package'

echo "== Windows build with clang, warnings as errors"
cmake --preset clang >/dev/null
cmake --build --preset clang

source scripts/wine-env.sh
trap wine_env_down EXIT
wine_env_up
echo "== Win32 and end-to-end tests under Wine (display $DISPLAY)"
ctest --test-dir build/mingw -L 'win32|e2e' --output-on-failure
for dpi in 144 192; do
    echo "== The same on a screen of $dpi dpi (a Wine prefix of its own)"
    wine_env_dpi "$dpi"
    ctest --test-dir build/mingw -L hidpi --output-on-failure
done
echo "== All tiers passed in $(( $(date +%s) - start )) s; screenshots are in build/mingw/artifacts"
