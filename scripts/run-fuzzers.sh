#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# each for the given number of seconds (default 60), as many at a time as there are cores.
# The test MIDI files seed every corpus. Fails if any target finds a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
jobs="$(nproc)"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

run_one() {
  local target="$1" seconds="$2"
  local name corpus log
  name=$(basename "$target")
  corpus="build/fuzz/corpus/$name"
  log="build/fuzz/$name.log"
  mkdir -p "$corpus"
  if "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build/fuzz/$name-" "$corpus" tests/data/midi >"$log" 2>&1; then
    echo "== $name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no findings"
  else
    echo "== $name FAILED"
    tail -n 60 "$log"
    return 1
  fi
}
export -f run_one

ls build/fuzz/fuzz/fuzz_* | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} "$seconds"
