#!/usr/bin/env bash
# Fails when a C++ source differs from what the checked-in .clang-format makes of it.
# The generated code page table is left as the generator writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
    'tools/*.cpp' 'fuzz/*.cpp' | grep -v 'ShiftJisTable.cpp$')
else
  files=$(find src tests bench tools fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | grep -v 'ShiftJisTable.cpp$')
fi
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "format: $(wc -w <<<"$files") files as .clang-format wants them"
