#!/usr/bin/env bash
# Formats every C++ file of the repository with clang-format (the style in .clang-format):
#   scripts/format.sh           # rewrites the files in place
#   scripts/format.sh --check   # changes nothing; fails and lists what is not formatted
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh format

# Tracked files only, so that build folders and scratch worktrees are left alone.
mapfile -t files < <(git ls-files -- '*.h' '*.hpp' '*.cpp' '*.cc')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
