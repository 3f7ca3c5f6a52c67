#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for the named groups of work; every script calls
# it with the groups it needs, so this is the one list of packages:
#   scripts/deps.sh                 # build test (the README's test command)
#   scripts/deps.sh fuzz windows    # any of the groups below
set -euo pipefail

packages_of() {
  case "$1" in
    build) echo cmake g++ make pkg-config binutils llvm ;;  # llvm: llvm-rc for the demo's resources
    test) echo libgtest-dev libgmock-dev clang ;;           # clang: CI's second compiler
    fuzz) echo clang ;;                                     # plus its libFuzzer runtime, below
    coverage) echo gcovr ;;
    windows) echo g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 googletest llvm ;;
    docs) echo doxygen ;;
    abi) echo abigail-tools git ;;
    bench) echo libbenchmark-dev python3 ;;
    package) echo dpkg dpkg-dev pkg-config file ;;  # dpkg-dev: dpkg-shlibdeps
    valgrind) echo valgrind ;;
    format) echo clang-format ;;
    picture) echo librsvg2-bin ;;  # rsvg-convert: the dialog pictures as PNG
    *) echo "deps.sh: unknown group '$1'" >&2; return 1 ;;
  esac
}

install_packages() {
  [ $# -gt 0 ] || return 0
  echo "installing: $*"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "$@"
}

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(build test)
missing=()
for group in "${groups[@]}"; do
  packages_of "$group" >/dev/null || exit 2
  for package in $(packages_of "$group"); do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
done
install_packages $(printf '%s\n' "${missing[@]}" | sort -u)

# libFuzzer's runtime comes with clang's runtime libraries, named after clang's major version.
if printf '%s\n' "${groups[@]}" | grep -qx fuzz &&
  ! echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  version="$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)"
  install_packages "libclang-rt-${version}-dev"
fi
