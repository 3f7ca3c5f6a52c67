#!/usr/bin/env bash
# Builds qodata.dll and its tests for 64-bit Windows with MinGW-w64 and runs the tests under
# Wine, on a Debian machine without a display. Extra arguments go to the CMake configure step.
#   scripts/windows.sh                         # build-windows/, every test
#   TEST_TIMEOUT=300 scripts/windows.sh        # seconds allowed to each test (default 120)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build_dir="${BUILD_DIR:-build-windows}"
mkdir -p "$build_dir"
build_dir="$(cd "$build_dir" && pwd)"
jobs="$(nproc)"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
started=$(date +%s)

# --- Tools: the cross compiler (POSIX-threads variant), its binutils and Wine ---------------
scripts/deps.sh build windows
installed=$(date +%s)

# --- GoogleTest, built once with the same toolchain into a prefix inside the build folder ----
gtest_prefix="$build_dir/_deps/googletest"
if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$build_dir/_deps/googletest-build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=ON >/dev/null
  cmake --build "$build_dir/_deps/googletest-build" -j "$jobs" >/dev/null
  cmake --install "$build_dir/_deps/googletest-build" >/dev/null
fi
gtest_ready=$(date +%s)

# --- Wine: a 64-bit prefix of our own, no display (null graphics driver), quiet --------------
export WINEPREFIX="$build_dir/wine-prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts
unset DISPLAY WAYLAND_DISPLAY
wine_log="$build_dir/wineserver.log"
stop_wineserver() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wineserver EXIT
# A persistent server for the whole run: every test program would otherwise start its own
# and leave background processes that keep ctest waiting. (2: a server of this prefix that an
# interrupted run left behind is running already, and serves as well.)
mkdir -p "$WINEPREFIX"
wineserver -p >>"$wine_log" 2>&1 || [ $? -eq 2 ]
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== creating the Wine prefix"
  wineboot -i >>"$wine_log" 2>&1
fi
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$wine_log" 2>&1
wine cmd /c exit >>"$wine_log" 2>&1  # warm: the first program of a prefix starts its services
prepared=$(date +%s)

# --- Build and test ---------------------------------------------------------------------------
echo "== building qodata for Windows in $build_dir"
# The demo host and plug-in are built too: their walkthrough is one of the tests.
cmake -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQODATA_WERROR=ON \
  -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" "$@" >/dev/null
cmake --build "$build_dir" -j "$jobs"
built=$(date +%s)
echo "== tests under Wine"
# Wine takes the user's language from the locale variables (where that locale is installed):
# a fixed one, English (United States) for C, keeps the lookups that Windows chooses the same
# on every machine.
LC_ALL=C.UTF-8 ctest --test-dir "$build_dir" -j "$jobs" --output-on-failure --timeout "${TEST_TIMEOUT:-120}"
finished=$(date +%s)
echo "== Windows stage: tools $((installed - started))s, GoogleTest $((gtest_ready - installed))s," \
  "Wine $((prepared - gtest_ready))s, build $((built - prepared))s, tests $((finished - built))s," \
  "total $((finished - started))s"
