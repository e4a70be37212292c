#!/usr/bin/env bash
# Writes the golden files of the whole-run tests (tests/golden/) anew from a release build: every
# example scenario, or only those named (update_golden.sh flight pfd). Golden files of scenarios that
# no longer exist are removed. Review the result with git diff before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build-release
cmake --preset release >/dev/null
cmake --build --preset release -j "${JOBS:-$(nproc)}" --target simhost ro757

shopt -s nullglob
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in examples/scenarios/*.scn; do names+=("$(basename "$f" .scn)"); done
  for d in tests/golden/*/; do
    n=$(basename "$d")
    [ -e "examples/scenarios/$n.scn" ] || { rm -rf "$d"; echo "golden $n: removed (no such scenario)"; }
  done
fi
for n in "${names[@]}"; do
  tests/golden/golden.sh update "$build/simhost" "$n"
done
echo "tests/golden: $(du -sh tests/golden | cut -f1) in all"
git status --short tests/golden
