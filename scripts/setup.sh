#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing); espeak-ng only serves
# scripts/make_sounds.py, which remakes the example sounds; clang and its runtime (libFuzzer) serve
# the fuzz targets of scripts/fuzz.sh.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcairo2-dev
      libfontconfig-dev fontconfig fonts-liberation2 espeak-ng clang libclang-rt-14-dev)
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
