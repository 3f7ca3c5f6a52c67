#!/usr/bin/env bash
# Runs every test case under valgrind's memcheck, each case in a process of its own (as ctest
# runs them, so that the process-wide counters start fresh), in a build folder of its own:
#   scripts/valgrind.sh
# A case fails on any memcheck error or on a definite or indirect leak. Slow: see the time
# printed at the end; not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${VALGRIND_BUILD_DIR:-build-rel}"
jobs="$(nproc)"

scripts/deps.sh build test valgrind

start=$SECONDS
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQODATA_WERROR=ON \
  -DQODATA_BUILD_EXAMPLES=OFF -DQODATA_INSTALL=OFF >/dev/null
cmake --build "$build_dir" -j "$jobs"

# One line per case: the program and its case.
cases="$build_dir/valgrind-cases.txt"
: >"$cases"
for program in "$build_dir"/tests/*_test; do
  [ -x "$program" ] || continue
  "$program" --gtest_list_tests | awk -v program="$program" '
    /^[^ ]/ { suite = $1 }
    /^  / { print program " --gtest_filter=" suite $1 }' >>"$cases"
done
echo "== memcheck over $(wc -l <"$cases") test cases, $jobs at a time"

logs="$build_dir/valgrind-logs"
rm -rf "$logs"
mkdir -p "$logs"
run_case() {
  local program="$1" filter="$2" log
  local name="${filter#--gtest_filter=}"
  log="$3/$(basename "$program").${name//\//_}.log"
  if ! valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
      --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect \
      --soname-synonyms=somalloc=nouserintercepts --track-origins=no -q "$program" "$filter" >"$log" 2>&1; then
    echo "memcheck failed: $program $filter (see $log)"
    return 1
  fi
}
export -f run_case
status=0
xargs -P "$jobs" -L 1 bash -c 'run_case "$0" "$1" "'"$logs"'"' <"$cases" || status=1
echo "== memcheck finished in $((SECONDS - start)) s (build included)"
if [ "$status" -ne 0 ]; then
  echo "== memcheck found errors"
  exit 1
fi
echo "== memcheck clean"
