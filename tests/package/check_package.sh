#!/bin/sh
# Installs the built library into a scratch prefix, then builds and runs a consumer with
# find_package(qodata), and checks the pkg-config file.
set -eu
build_dir="$1"
work="$2"
source_dir=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
cmake -S "$source_dir" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
LD_LIBRARY_PATH="$work/prefix/lib:$work/prefix/lib64:${LD_LIBRARY_PATH:-}" "$work/consumer/consumer"
pc=$(find "$work/prefix" -name qodata.pc)
PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --exists --print-errors qodata
echo "installed package: find_package and pkg-config work"
