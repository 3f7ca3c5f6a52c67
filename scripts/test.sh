#!/usr/bin/env bash
# Builds qodata and runs every test. Extra arguments go to the CMake configure step, e.g.
#   scripts/test.sh                                # build/ with the default compiler
#   BUILD_DIR=build-asan scripts/test.sh -DQODATA_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build test
build_dir="${BUILD_DIR:-build}"
jobs="$(nproc)"
cmake -S . -B "$build_dir" -DQODATA_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir" -j "$jobs"
ctest --test-dir "$build_dir" -j "$jobs" --output-on-failure --timeout 300
