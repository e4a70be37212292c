#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with Clang under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs each over its corpus for a while: the seeds (from examples/sim) and the regression inputs
# of fuzz/regressions, plus what earlier runs kept in build-fuzz/corpus/TARGET. A fault stops that
# target; its input lands in build-fuzz/crashes/TARGET/ and the script fails once all have run.
#
# Then the random soak runs on the same build (Clang's sanitizer also catches conversions of doubles
# beyond an integer's range, which GCC's does not).
#
#   scripts/fuzz.sh [--seconds N] [--jobs N] [--soak-seconds N] [TARGET...]
#
# --seconds: run time of each target (default 10); --jobs: targets run at once (default 1);
# --soak-seconds: run time of the soak (default 30; 0 leaves it out).
# scripts/setup.sh fuzz installs Clang and its libFuzzer runtime.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=10
jobs=1
soak_seconds=30
only=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --soak-seconds) soak_seconds=$2; shift 2 ;;
    -h|--help) sed -n '2,14p' "$0"; exit 0 ;;
    *) only+=("$1"); shift ;;
  esac
done
scripts/setup.sh fuzz
build=build-fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local name=$1; shift
  local corpus="$build/corpus/$name" crashes="$build/crashes/$name" log="$build/logs/$name.log"
  mkdir -p "$corpus" "$crashes" "$build/logs"
  for seed in "$@"; do
    if [ -d "$seed" ]; then
      find "$seed" -type f -exec cp -f {} "$corpus/" \;
    else
      cp -f "$seed" "$corpus/"
    fi
  done
  local status=0
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1 || status=$?
  local execs cov
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*/[0-9]*[a-zA-Z]*' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    echo "fuzz $name: ${execs:-?} executions in ${seconds} s, ${cov:-no coverage line}"
  else
    echo "fuzz $name: FAILED (exit $status); see $log and $crashes/"
    tail -30 "$log"
  fi
  echo "$status" >"$build/logs/$name.status"
}

names=()
running=0
while read -r name seeds; do
  [ -n "$name" ] || continue
  if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " == *" $name "* ]]; then continue; fi
  names+=("$name")
  rm -f "$build/logs/$name.status"
  # shellcheck disable=SC2086
  run_one "$name" $seeds &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done <"$build/fuzz_targets.txt"
wait
failed=()
for name in "${names[@]}"; do
  [ "$(cat "$build/logs/$name.status" 2>/dev/null)" = "0" ] || failed+=("$name")
done
if [ "$soak_seconds" -gt 0 ]; then
  names+=(soak)
  soak_log="$build/logs/soak.log"
  if "$build/fuzz/ro757_soak" --module "$build/libro757.so" --sim-root examples/sim --source-dir . --seed 1 \
      --frames 1000000000 --seconds "$soak_seconds" --scenario-out "$build/logs/soak.scn" >"$soak_log" 2>&1; then
    tail -1 "$soak_log"
  else
    echo "soak: FAILED; see $soak_log and the scenario $build/logs/soak.scn"
    tail -30 "$soak_log"
    failed+=(soak)
  fi
fi
[ ${#failed[@]} -eq 0 ] || echo "fuzz: faults in ${failed[*]}"
echo "fuzz: $((${#names[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
