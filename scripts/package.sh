#!/usr/bin/env bash
# Builds the Debian packages libqodata1 and libqodata-dev (Release, installed under /usr) in
# build-package/, then unpacks both into a fresh folder, as dpkg would install them, and builds
# the consumer test against that copy with find_package and with pkg-config:
#   scripts/package.sh        # prints the two .deb files
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build package
build_dir="${BUILD_DIR:-build-package}"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQODATA_BUILD_TESTS=OFF -DQODATA_BUILD_EXAMPLES=OFF -DQODATA_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target qodata
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
tests/package/check_package.sh --prefix "$root/usr" "$build_dir/consumer"
