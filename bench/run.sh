#!/usr/bin/env bash
# Builds the benchmark in the default preset, runs every figure and prints one
# table: the program beside its floor, and the ratio.
#   bash bench/run.sh [--runs N] [--repetitions N] [--min-time SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset default && cmake --build --preset default --target orvanta \
        bench_start_program bench_start_floor bench_ui bench_report; } >"$log" 2>&1; then
    cat "$log" >&2
    if grep -q "unknown target" "$log"; then
        echo "bench: Google Benchmark was not found when configuring (bash tools/setup.sh" \
            "installs libbenchmark-dev)" >&2
    fi
    exit 1
fi
export QT_QPA_PLATFORM=offscreen
"$build/bench/bench_report" \
    --start-program "$build/bench/bench_start_program" \
    --start-floor "$build/bench/bench_start_floor" \
    --ui "$build/bench/bench_ui" \
    --program-file "$build/orvanta" \
    --floor-file "$build/bench/bench_start_floor" \
    "$@"
