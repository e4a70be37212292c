#!/usr/bin/env bash
# Builds a release of the module (the release preset) and runs the simulator stand-in on the example
# simulator folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
mkdir -p out
build-release/simhost --sim-root examples/sim --scenario examples/scenarios/demo.scn --frames 200 --out out "$@"
