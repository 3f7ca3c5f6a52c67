#!/usr/bin/env bash
# Checks that libqodata built from this tree is binary-compatible with the latest release
# marked in abi/ (abi/release-X.Y.Z names the release's commit in this repository): both are built RelWithDebInfo (-g) in
# build-abi/ and compared with libabigail's abidiff over the public headers.
#   scripts/abi.sh               # fails on an incompatible change
#   scripts/abi.sh --self-test   # shows the guard fails on a deliberate break
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/deps.sh build abi
work="${ABI_BUILD_DIR:-build-abi}"
mkdir -p "$work"
work=$(cd "$work" && pwd)

marker=$(ls abi/release-* | sort -V | tail -n 1)
release=$(grep -E -m 1 '^[0-9a-f]{7,40}$' "$marker") || { echo "$marker names no commit"; exit 1; }

# build SOURCE_DIR BUILD_DIR: the shared library only, with debug information for abidiff.
build() {
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQODATA_BUILD_TESTS=OFF \
    -DQODATA_BUILD_EXAMPLES=OFF -DQODATA_INSTALL=OFF >/dev/null
  cmake --build "$2" -j 2 --target qodata >/dev/null
}

# copy_tree DEST: this tree's tracked files as they are now (committed or not).
copy_tree() {
  rm -rf "$1"
  mkdir -p "$1"
  git ls-files -z | xargs -0 cp --parents -t "$1"
}

soname() { readelf -d "$1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p'; }

# compare OLD_SOURCE OLD_BUILD NEW_SOURCE NEW_BUILD: abidiff's status (0 when compatible).
compare() {
  local old="$2/libqodata.so" new="$4/libqodata.so"
  old=$(readlink -f "$old")
  new=$(readlink -f "$new")
  if [ "$(soname "$old")" != "$(soname "$new")" ]; then
    echo "SONAME changed: $(soname "$old") -> $(soname "$new"); a new major release, nothing to compare"
    return 0
  fi
  # Added functions and variables keep old clients working; anything else that abidiff
  # reports for the public types is a break.
  local status=0
  abidiff --no-added-syms --headers-dir1 "$1/include" --headers-dir2 "$3/include" \
    "$old" "$new" >"$work/abidiff.txt" || status=$?
  cat "$work/abidiff.txt"
  return "$status"
}

how_to_break() {
  cat <<'TEXT'
To break the binary interface on purpose, start a new major release: raise the major number
of project(qodata VERSION ...) in CMakeLists.txt (SOVERSION follows it, so the library becomes
libqodata.so.2 and its package libqodata2), then, once released, add abi/release-2.0.0
naming the release commit.
TEXT
}

# The release, extracted from git at its commit (no checkout of this tree changes).
release_src="$work/release-src"
if [ "$(cat "$release_src/.commit" 2>/dev/null)" != "$release" ]; then
  rm -rf "$release_src"
  mkdir -p "$release_src"
  git archive "$release" | tar -x -C "$release_src"
  echo "$release" >"$release_src/.commit"
fi
echo "== building ${marker#abi/} (${release:0:12}) and this tree"
build "$release_src" "$work/release"
head_src="$root"
build "$head_src" "$work/head"

if [ "${1:-}" != "--self-test" ]; then
  if compare "$release_src" "$work/release" "$head_src" "$work/head"; then
    echo "== ABI: libqodata of this tree is compatible with ${marker#abi/} (${release:0:12})"
    exit 0
  fi
  echo "== ABI: incompatible change against ${marker#abi/} (${release:0:12}) (abidiff above)"
  how_to_break
  exit 1
fi

# --- Self-test: two deliberate breaks in a scratch copy must be reported -------------------
# A virtual operation inserted into an interface (later operations move one slot), and a
# field added to a class offered for direct construction (its size and layout change).
scratch="$work/broken-src"
copy_tree "$scratch"
header="$scratch/include/qodata/cag_tokens.h"
grep -q '  virtual void AddToken(' "$header" && grep -q '^class QODATA_API CCagTokens' "$header" ||
  { echo "self-test: the token queue's header no longer has the lines the breaks go before"; exit 1; }
sed -i -e 's/^  virtual void AddToken(/  virtual void InsertedForTheSelfTest() {}\n&/' \
  -e '/^class QODATA_API CCagTokens/,/^ public:/ s/^ public:/ private:\n  std::int32_t addedForTheSelfTest_ = 0;\n\n public:/' \
  "$header"
echo "== building this tree with a virtual operation and a field added to the token queue"
build "$scratch" "$work/broken"
status=0
compare "$head_src" "$work/head" "$scratch" "$work/broken" >/dev/null || status=$?
report="$work/abidiff.txt"
failed=0
[ "$status" -ne 0 ] || { echo "self-test: abidiff reported no change"; failed=1; }
grep -q 'InsertedForTheSelfTest' "$report" || { echo "self-test: the inserted virtual operation was not reported"; failed=1; }
grep -q 'addedForTheSelfTest_' "$report" || { echo "self-test: the added field was not reported"; failed=1; }
if [ "$failed" -ne 0 ]; then
  cat "$report"
  exit 1
fi
echo "== ABI self-test: both breaks reported (abidiff status $status):"
grep -E 'InsertedForTheSelfTest|addedForTheSelfTest_|size changed|vtable offset' "$report" | sort -u | head -n 12
