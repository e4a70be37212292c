#!/usr/bin/env bash
# Builds the module, the simulator stand-in and the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset), then runs every test; the sanitizer options come with
# the tests, so a hand-run `ctest --preset asan` behaves the same. First, the include layers are checked.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
python3 scripts/check_layers.py
cmake --preset asan
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
