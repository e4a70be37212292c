#!/usr/bin/env bash
# Golden run of one example scenario: simhost runs it on the shared library with --record, and its
# text outputs (key_events.log, sound_events.log, values.log and each snapshot's operation list,
# NAME.ops) are compared with tests/golden/SCENARIO/ ("check"), or written there ("update").
#
#   tests/golden/golden.sh check|update SIMHOST SCENARIO
#
# A failing check names the scenario and each file, and shows the first lines of a unified diff
# (- golden, + this run). scripts/update_golden.sh updates them all.
set -euo pipefail

if [ $# -ne 3 ] || { [ "$1" != check ] && [ "$1" != update ]; }; then
  echo "usage: $0 check|update SIMHOST SCENARIO" >&2
  exit 2
fi
mode=$1 simhost=$2 name=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
scenario="$root/examples/scenarios/$name.scn"
golden="$root/tests/golden/$name"
diff_lines=${GOLDEN_DIFF_LINES:-40}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# What the module writes lands in a copy of the simulator folder, and no user's application-data
# folder (the fuel file) reaches the run.
cp -r "$root/examples/sim" "$work/sim"
mkdir -p "$work/config" "$work/text"
if ! XDG_CONFIG_HOME="$work/config" "$simhost" --sim-root "$work/sim" --scenario "$scenario" --out "$work/out" \
    --record >"$work/stdout" 2>&1; then
  echo "golden $name: simhost failed:"
  cat "$work/stdout"
  exit 1
fi
shopt -s nullglob
for f in "$work/out"/*.log "$work/out"/*.ops; do cp "$f" "$work/text/"; done

if [ "$mode" = update ]; then
  rm -rf "$golden"
  mkdir -p "$golden"
  cp "$work/text"/* "$golden/"
  echo "golden $name: $(ls "$golden" | wc -l) files written to tests/golden/$name"
  exit 0
fi

if [ ! -d "$golden" ]; then
  echo "golden $name: no golden files in tests/golden/$name; scripts/update_golden.sh $name writes them"
  exit 1
fi
differ=0
files=$( (cd "$golden" && ls; cd "$work/text" && ls) | sort -u)
for f in $files; do
  if [ ! -e "$golden/$f" ]; then
    echo "golden $name: $f is written by this run but not in tests/golden/$name"
    differ=$((differ + 1))
  elif [ ! -e "$work/text/$f" ]; then
    echo "golden $name: tests/golden/$name/$f is no longer written"
    differ=$((differ + 1))
  elif ! cmp -s "$golden/$f" "$work/text/$f"; then
    echo "golden $name: $f differs (first lines of the diff; - golden, + this run):"
    diff -u --label "tests/golden/$name/$f" --label "this run/$f" "$golden/$f" "$work/text/$f" | head -n "$diff_lines" || true
    differ=$((differ + 1))
  fi
done
if [ "$differ" -gt 0 ]; then
  echo "golden $name: $differ file(s) differ; if the change is meant, scripts/update_golden.sh $name writes them anew"
  exit 1
fi
echo "golden $name: $(echo "$files" | wc -w) files as golden"
