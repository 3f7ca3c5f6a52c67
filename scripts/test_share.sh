#!/usr/bin/env bash
# Prints the non-blank lines of the tests (tests/ and fuzz/) against those of every C++ source
# and header, CMake file and script in the repository (tracked files: build folders stay out;
# fixture data is neither C++, CMake nor script), and fails when the tests exceed a third.
#   scripts/test_share.sh
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files | while IFS= read -r file; do
  [ -f "$file" ] || continue
  case "$file" in
    *.cpp | *.cc | *.h | *.hpp | *.cmake | *.sh | *.py | CMakeLists.txt | */CMakeLists.txt) ;;
    *) head -c 2 "$file" | grep -q '^#!' || continue ;;  # scripts without an extension
  esac
  printf '%s %s\n' "$(grep -c '[^[:space:]]' "$file" || true)" "$file"
done | awk '
  { all += $1; if ($2 ~ /^(tests|fuzz)\//) tests += $1 }
  END {
    share = 100 * tests / all
    printf "tests: %d of %d non-blank lines (%.1f%%), limit 33%%\n", tests, all, share
    exit share > 33 ? 1 : 0
  }'
