#!/usr/bin/env bash
# Builds qodata and its demo, then runs the demo host, which loads the library and the demo
# plug-in with dlopen and draws the plug-in's dialog into build/plugin-dialog.svg.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -DQODATA_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target qodata qodata_host qodata_demo_plugin >/dev/null
build/examples/qodata_host build/libqodata.so build/examples/libqodata_demo_plugin.so build/plugin-dialog.svg
