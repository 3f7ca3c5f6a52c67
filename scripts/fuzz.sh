#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in their
# own build folder and runs each for a bounded time over its seed corpus:
#   scripts/fuzz.sh            # about 60 s per target
#   scripts/fuzz.sh 600        # 600 s per target
# New inputs go to a scratch corpus in the build folder; the seeds in fuzz/corpus are only
# read. A finding stops the script with the failing input saved in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"

scripts/deps.sh build fuzz

cmake -S . -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQODATA_BUILD_FUZZ=ON -DQODATA_BUILD_TESTS=OFF -DQODATA_BUILD_EXAMPLES=OFF \
  -DQODATA_INSTALL=OFF -DQODATA_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

# The targets are the ones fuzz/CMakeLists.txt declares, written by the configure step.
while read -r target; do
  scratch="$build_dir/corpus/$target"
  mkdir -p "$scratch"
  echo "== fuzz_$target for ${seconds}s"
  log="$build_dir/fuzz-$target.log"
  status=0
  "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=512 \
    -print_final_stats=1 -artifact_prefix="$build_dir/finding-$target-" \
    "$scratch" "fuzz/corpus/$target" </dev/null >"$log" 2>&1 || status=$?
  grep -E '^stat::number_of_executed_units' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz_$target found a problem (status $status); the input is in $build_dir"
    exit 1
  fi
done <"$build_dir/fuzz_targets.txt"
echo "== fuzzing passed"
