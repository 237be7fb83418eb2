#!/usr/bin/env bash
# Formats every C++ file of the tree as .clang-format says. With --check, changes nothing
# and exits with 1 when a file is not formatted.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
