#!/usr/bin/env bash
# Builds a release of the module and runs the simulator stand-in on the example simulator folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRO757_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)"
mkdir -p out
"$build/simhost" --sim-root examples/sim --scenario examples/scenarios/demo.scn --frames 200 --out out "$@"
