#!/usr/bin/env bash
# Formats every C++ file of the tree as .clang-format says. With --check, changes nothing
# and exits with 1 when a file is not formatted.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
