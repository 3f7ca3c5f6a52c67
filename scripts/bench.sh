#!/bin/sh
# Builds the benchmarks (Release, in build-bench) and runs them BENCH_RUNS times (3), each run a
# separate process, then prints one table: each workload's CPU time per operation, the
# baseline's, their ratio within each run (median and min..max over the runs) and the target;
# and the heap grown per stored buddy for the list and the baseline.
# BENCH_REPETITIONS (1) and BENCH_MIN_TIME (0.1 s) are per run; extra arguments go to the
# benchmark program (for instance --benchmark_filter=List_Add).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build bench
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQODATA_BUILD_BENCH=ON \
  -DQODATA_BUILD_TESTS=OFF -DQODATA_BUILD_EXAMPLES=OFF -DQODATA_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target qodata_bench >/dev/null
outputs=""
run=1
while [ "$run" -le "${BENCH_RUNS:-3}" ]; do
  json="$build/bench-$run.json"
  "$build/bench/qodata_bench" --benchmark_repetitions="${BENCH_REPETITIONS:-1}" \
    --benchmark_min_time="${BENCH_MIN_TIME:-0.1}" --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json "$@" >/dev/null
  outputs="$outputs $json"
  run=$((run + 1))
done
python3 "$root/bench/report.py" $outputs
