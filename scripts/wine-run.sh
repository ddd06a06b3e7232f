#!/usr/bin/env bash
# Runs a Windows program in the project's Wine prefix (ctest's emulator for the MinGW build),
# under the Wine that BRISALTO_WINE chooses (8, the host's, or 10, Debian 13's in its root).
# The prefix, display and desktop are set up by scripts/wine-env.sh; see scripts/test.sh.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
wine "$@"
