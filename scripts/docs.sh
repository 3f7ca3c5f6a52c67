#!/usr/bin/env bash
# Builds the API reference (HTML) from the public headers into BUILD_DIR/docs/html
# (build/docs/html by default). Doxygen's warnings are errors: an undocumented public name,
# or a broken doc comment, fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh docs
build_dir="${BUILD_DIR:-build}"
export QODATA_DOCS_DIR="$build_dir/docs"
rm -rf "$QODATA_DOCS_DIR"
mkdir -p "$QODATA_DOCS_DIR"
doxygen docs/Doxyfile
echo "API reference: $QODATA_DOCS_DIR/html/index.html"
