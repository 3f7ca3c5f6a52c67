#!/usr/bin/env bash
# Builds the Debian packages libqodata1 and libqodata-dev (with qodata-dialog; Release, installed
# under /usr) in build-package/, then unpacks both into a fresh folder, as dpkg would install
# them, checks their copyright files and the tool, and builds the consumer test against that
# copy with find_package and with pkg-config:
#   scripts/package.sh        # prints the two .deb files
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build package
build_dir="${BUILD_DIR:-build-package}"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQODATA_BUILD_TESTS=OFF -DQODATA_BUILD_EXAMPLES=OFF -DQODATA_BUILD_TOOLS=ON \
  -DQODATA_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target qodata qodata-dialog
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)

root="$build_dir/installed-root"
rm -rf "$root"
mkdir -p "$root"
for deb in "$build_dir"/*.deb; do
  echo "== $(basename "$deb")"
  dpkg-deb --field "$deb" Package Version Section Depends Description
  dpkg-deb --contents "$deb" | awk '{ print "  " $6, $7, $8 }'
  dpkg -x "$deb" "$root"
done
for package in libqodata1 libqodata-dev; do
  [ -s "$root/usr/share/doc/$package/copyright" ] || { echo "$package has no copyright file"; exit 1; }
done
"$root/usr/bin/qodata-dialog" --help >/dev/null || { echo "the packaged qodata-dialog does not run"; exit 1; }
tests/package/check_package.sh --prefix "$root/usr" "$build_dir/consumer"
