#!/usr/bin/env bash
# Runs the installer tests (install_tests.exe, $1) in a Wine prefix of their own, made fresh
# each time, so the installer meets a machine that has never seen Brisalto. The display is the
# one the test command set up.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tests=$1
# Each Wine has a prefix of its own.
export WINEPREFIX=${BRISALTO_INSTALL_PREFIX:?}
[ "${BRISALTO_WINE:-8}" = 8 ] || WINEPREFIX=$WINEPREFIX-wine$BRISALTO_WINE
rm -rf "$WINEPREFIX"
source "$here/../../scripts/wine-env.sh"
wine_env_prefix
status=0
wine "$tests" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit "$status"
