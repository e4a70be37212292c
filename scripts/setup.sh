#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing); python3 runs the layer check and
# the other scripts; espeak-ng only serves scripts/make_sounds.py, which remakes the example sounds.
# "scripts/setup.sh bench" adds Google Benchmark, which only the benchmarks use; "scripts/setup.sh
# fuzz" adds Clang and its runtime (libFuzzer), which only the fuzz targets of scripts/fuzz.sh use.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libcairo2-dev
      libfontconfig-dev fontconfig fonts-liberation2 espeak-ng python3)
if [ "${1:-}" = bench ]; then pkgs+=(libbenchmark-dev); fi
if [ "${1:-}" = fuzz ]; then pkgs+=(clang libclang-rt-14-dev); fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
