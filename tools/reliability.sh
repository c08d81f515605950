#!/bin/sh
# Reruns the reliability figures: fault sweeps and round trips (native),
# and the fuzz target for a given number of seconds (default 300).
set -e
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null && cmake --build --preset native >/dev/null
out=$(mktemp -d)
./build/native/tests/native/orvik_tests --gtest_filter='FaultSweep*:RoundTrip*:HostileData*' \
  --gtest_output=xml:"$out/r.xml" >/dev/null
grep -oE 'name="(writes_refused|read_faults_tried|round_trips_passed)" value="[0-9]+"' "$out/r.xml"
grep -oE 'failures="[0-9]+"' "$out/r.xml" | head -1
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null
cp fuzz/corpus/* "$out"/
./build/fuzz/fuzz/orvik_fuzz -max_total_time="${1:-300}" -print_final_stats=1 "$out" 2>&1 |
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)'
rm -rf "$out"
