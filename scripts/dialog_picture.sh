#!/usr/bin/env bash
# Draws the demo plug-in's dialog with qodata-dialog and converts the picture to the PNG that
# the README shows (docs/plugin-dialog.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build picture
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DQODATA_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target qodata-dialog qodata_demo_plugin >/dev/null
"$build_dir/tools/dialog/qodata-dialog" "$build_dir/examples/demo_plugin.res" --svg "$build_dir/plugin-dialog.svg"
rsvg-convert --zoom 1.5 "$build_dir/plugin-dialog.svg" -o docs/plugin-dialog.png
echo "wrote docs/plugin-dialog.png"
