#!/usr/bin/env bash
# Builds qodata and its demo, then runs the demo host, which loads the library with dlopen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DQODATA_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target qodata qodata_host >/dev/null
build/examples/qodata_host build/libqodata.so
