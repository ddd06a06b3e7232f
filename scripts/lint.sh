#!/usr/bin/env bash
# The tree's habits: every source follows .clang-format, and clang-tidy's checks chosen in
# .clang-tidy find nothing in the program's own sources. clang-tidy reads the native build's
# compile commands, so that build is configured first (`cmake --preset native`).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

echo "== clang-format over src and tests"
find src tests -name '*.h' -o -name '*.cpp' | sort | xargs clang-format --dry-run --Werror

echo "== clang-tidy over src (the native build's compile commands)"
start=$(date +%s)
# The Win32 adapter is not part of the native build; the logic and the fake are.
files=$(python3 -c '
import json, os
root = os.getcwd() + "/src/"
for entry in json.load(open("build/native/compile_commands.json")):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root):
        print(path)
' | sort -u)
run-clang-tidy -quiet -p build/native -j "$(nproc)" $files >build/native/clang-tidy.log 2>&1 ||
    { grep -E 'warning:|error:' -A3 build/native/clang-tidy.log; exit 1; }
echo "clean in $(( $(date +%s) - start )) s"
