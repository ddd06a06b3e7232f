#!/usr/bin/env bash
# Runs the package tests (install_tests.exe, $1) in Wine prefixes of their own, made fresh each
# time, so that the packages meet a machine that has never seen Brisalto. The display is the one
# the test command set up.
#   1. The zip unpacked into C:\Brisalto of a fresh prefix: it starts portable and exports its
#      buttons to $BRISALTO_TRANSFER.
#   2. Another fresh prefix, the next PC: the zip unpacked again imports them; then the installer
#      and the uninstaller.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tests=$1
# Each Wine has a prefix of its own.
export WINEPREFIX=${BRISALTO_INSTALL_PREFIX:?}
[ "${BRISALTO_WINE:-8}" = 8 ] || WINEPREFIX=$WINEPREFIX-wine$BRISALTO_WINE
export BRISALTO_TRANSFER=$WINEPREFIX-transfer.ini
source "$here/../../scripts/wine-env.sh"

fresh_prefix_with_zip() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
    wine_env_prefix
    mkdir -p "$WINEPREFIX/drive_c/Brisalto"
    (cd "$WINEPREFIX/drive_c/Brisalto" && cmake -E tar xf "${BRISALTO_ZIP:?}")
}

status=0
rm -f "$BRISALTO_TRANSFER"
fresh_prefix_with_zip
wine "$tests" --gtest_filter='UnpackedZip.StartsPortable*' || status=$?
fresh_prefix_with_zip
wine "$tests" --gtest_filter='UnpackedZip.OnAnotherPc*:Installer.*' || status=$?
wineserver -k >/dev/null 2>&1 || true
exit "$status"
