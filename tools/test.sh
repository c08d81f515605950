#!/bin/sh
# Builds both builds and runs every test: the native suite under the
# sanitizers, then the Windows build's suites under Wine and a bare X server.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake --preset native
cmake --build --preset native
ctest --preset native   # AddressSanitizer's leak check included

# The fuzz target, for a bounded time from the seed corpus.
cmake --preset fuzz
cmake --build --preset fuzz
corpus=$(mktemp -d)
cp fuzz/corpus/* "$corpus"/
status=0
./build/fuzz/fuzz/orvik_fuzz -max_total_time="${ORVIK_FUZZ_SECONDS:-60}" -print_final_stats=1 \
  -artifact_prefix="$corpus/" "$corpus" >"$corpus/log" 2>&1 || status=$?
grep -E '^(Done|stat::number_of_executed_units)' "$corpus/log" || true
if [ "$status" -ne 0 ]; then tail -n 60 "$corpus/log"; exit "$status"; fi
rm -rf "$corpus"

# The benchmarks still build and run (one short pass; figures come from tools/benchmark.sh).
cmake --preset bench
cmake --build --preset bench
./build/bench/bench/orvik_callcounts 1000 >/dev/null
./build/bench/bench/orvik_bench --benchmark_filter='/10$' --benchmark_min_time=0.01 >/dev/null
cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s '-screen 0 1280x1024x24' ctest --preset windows
