#!/usr/bin/env bash
# Builds everything and runs all three test tiers: unit (native, on the fake platform), win32
# (the adapter under Wine) and e2e (the real program and its packages under Wine on a virtual
# desktop), then the high-DPI tests and the two-monitor tier under each Wine; on the way it also
# builds the program with clang.
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

# The Wines the Windows tiers run under: the machine's Wine 8, then Debian 13's Wine 10 from a
# root made once and kept in build/ (a clear failure if it cannot be made). BRISALTO_WINES="8"
# or "10" runs under one alone.
wines=${BRISALTO_WINES:-8 10}
if [[ " $wines " == *" 10 "* ]]; then
    root_start=$(date +%s)
    scripts/wine10.sh setup
    echo "== Wine 10's root ready in $(( $(date +%s) - root_start )) s"
fi

timings=()
# Runs a ctest label on the display and prefix in use and notes how long it took.
tier() {
    local name=$1 t
    shift
    t=$(date +%s)
    ctest --test-dir build/mingw "$@" --output-on-failure
    timings+=("$name under Wine $BRISALTO_WINE: $(( $(date +%s) - t )) s")
}

# Every Windows tier under one Wine, each Wine in prefixes of its own.
wine_tiers() {
    export BRISALTO_WINE=$1
    unset WINEPREFIX BRISALTO_DPI
    source scripts/wine-env.sh
    trap wine_env_down EXIT
    wine_env_up
    echo "== Win32 and end-to-end tests under Wine $1 (display $DISPLAY)"
    tier win32 -L win32
    tier e2e -L e2e
    for dpi in 144 192; do
        echo "== The same on a screen of $dpi dpi under Wine $1 (a Wine prefix of its own)"
        wine_env_dpi "$dpi"
        tier "hidpi $dpi" -L hidpi
    done
    wine_env_down
    unset BRISALTO_DPI
    # Without a virtual desktop, on an X server of its own whose two outputs Wine sees as two
    # monitors; the tests switch the second off and on.
    echo "== Two monitors on Xorg's dummy driver under Wine $1"
    wine_env_two_monitors
    tier monitors -L monitors
    wine_env_down
    trap - EXIT
}

for wine in $wines; do wine_tiers "$wine"; done
printf '== %s\n' "${timings[@]}"
echo "== All tiers passed in $(( $(date +%s) - start )) s; screenshots are in build/mingw/artifacts"
