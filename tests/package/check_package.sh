#!/bin/sh
# Builds and runs a consumer of the installed library twice, with find_package(qodata) and with
# pkg-config, from a prefix other than the one the library was configured for:
#   check_package.sh BUILD_DIR WORK         installs BUILD_DIR, then moves the tree elsewhere
#   check_package.sh --prefix PREFIX WORK   uses a tree installed already (an unpacked package)
set -eu
work="${3:-$2}"
rm -rf "$work"
mkdir -p "$work"
if [ "$1" = "--prefix" ]; then
  prefix=$(cd "$2" && pwd)
else
  cmake --install "$1" --prefix "$work/staged" >/dev/null
  mv "$work/staged" "$work/moved"  # nothing may remember where it was installed
  prefix="$work/moved"
fi
work=$(cd "$work" && pwd)
source_dir=$(cd "$(dirname "$0")" && pwd)
library=$(find "$prefix" -name 'libqodata.so.1' | head -n 1)
pc=$(find "$prefix" -name qodata.pc | head -n 1)
[ -n "$library" ] && [ -n "$pc" ] || { echo "no libqodata.so.1 or qodata.pc under $prefix"; exit 1; }
export LD_LIBRARY_PATH="$(dirname "$library")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"

cmake -S "$source_dir" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
"$work/consumer/consumer"

export PKG_CONFIG_PATH="$(dirname "$pc")"
case "$(pkg-config --variable=libdir qodata)" in
  "$prefix"/*) ;;
  *) echo "qodata.pc points outside $prefix: $(pkg-config --variable=libdir qodata)"; exit 1 ;;
esac
# shellcheck disable=SC2046  # the flags are words
"${CXX:-c++}" "$source_dir/consumer.cpp" -o "$work/consumer-pkg-config" $(pkg-config --cflags --libs qodata)
"$work/consumer-pkg-config"
echo "installed package in $prefix: find_package and pkg-config consumers work"
