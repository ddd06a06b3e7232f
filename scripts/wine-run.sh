#!/usr/bin/env bash
# Runs a Windows program in the project's Wine prefix (ctest's emulator for the MinGW build).
# The prefix, display and desktop are set up by scripts/wine-env.sh; see scripts/test.sh.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
exec wine "$@"
