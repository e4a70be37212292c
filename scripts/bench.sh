#!/usr/bin/env bash
# Builds the benchmarks (the bench preset, a Release build) and runs them; arguments go to Google
# Benchmark, e.g. scripts/bench.sh --benchmark_filter=Route.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench
cmake --preset bench
cmake --build --preset bench -j "$(nproc)"
build-bench/ro757_bench "$@"
