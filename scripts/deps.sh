#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and benchmark qodata:
#   scripts/deps.sh [GROUP...]
set -euo pipefail
packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev binutils llvm clang)
# Optional groups add what one script alone needs: docs (the API reference).
for group in "$@"; do
  case "$group" in
    docs) packages+=(doxygen) ;;
    *) echo "deps.sh: unknown group $group" >&2; exit 2 ;;
  esac
done
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
command -v llvm-rc >/dev/null 2>&1 || missing+=(llvm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
