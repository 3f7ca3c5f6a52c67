#!/usr/bin/env bash
# Line and branch coverage of the library (framework, contacts, messaging, services, plug-in
# UI, platform and the public headers; not tests, examples, benchmarks or fuzz targets) from
# the whole test suite, in a build folder of its own:
#   scripts/coverage.sh
# Branch figures leave out the edges that only exceptions take (every call that may throw
# has one) and branches the compiler proves unreachable: --exclude-throw-branches and
# --exclude-unreachable-branches.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${COVERAGE_BUILD_DIR:-build-coverage}"

scripts/deps.sh build test coverage

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DQODATA_COVERAGE=ON -DQODATA_WERROR=ON \
  -DQODATA_BUILD_EXAMPLES=OFF -DQODATA_INSTALL=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
find "$build_dir" -name '*.gcda' -delete
ctest --test-dir "$build_dir" -j "$(nproc)" --output-on-failure --timeout 300 >"$build_dir/ctest.log" ||
  { tail -n 40 "$build_dir/ctest.log"; exit 1; }
tail -n 3 "$build_dir/ctest.log"

gcovr --root . --object-directory "$build_dir" \
  --filter 'framework/' --filter 'contacts/' --filter 'messaging/' --filter 'services/' \
  --filter 'plugin_ui/' --filter 'platform/' --filter 'include/qodata/' \
  --exclude 'platform/win32/' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --txt "$build_dir/coverage.txt" --print-summary
echo "per-file figures: $build_dir/coverage.txt"
