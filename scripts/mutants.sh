#!/usr/bin/env bash
# Measures how many small faults the core's tests catch. A fixed sample of
# mutations (a comparison flipped, a constant off by one, a call removed, a
# boolean result inverted; see scripts/mutate.py) is applied one at a time to
# a copy of the tree; each time only what changed is rebuilt and the core's
# tests run. A mutant is killed when the tests fail or hang, stillborn when it
# does not compile. Run on demand (it takes a while), never in CI:
#
#   scripts/mutants.sh [COUNT [SEED]]      # default 120 mutants, seed 20261206
#
# Prints one line per mutant and the score; the lines also go to
# build/mutants/results.tsv, so that two runs can be compared mutant by mutant.
set -euo pipefail
cd "$(dirname "$0")/.."
count="${1:-120}"
seed="${2:-20261206}"
work=build/mutants
tree="$work/tree"
build="$work/build"
results="$work/results.tsv"

mkdir -p "$work"
rm -rf "$tree"
mkdir -p "$tree"
# The working tree as it is, uncommitted changes included, without builds.
# Every file gets a new time, so that nothing built from a mutant of an
# earlier run is taken for up to date.
git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - | tar -xmf - -C "$tree"

cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRAVLO_CORE_ONLY=ON \
  -DRAVLO_BUILD_GUI=OFF >/dev/null
build_tests() { cmake --build "$build" --target ravlo_core_tests >/dev/null 2>&1; }
run_tests() { timeout "$1" "$build/tests/ravlo_core_tests" --gtest_brief=1 >/dev/null 2>&1; }

if ! build_tests; then
  echo "The unmutated tree does not build." >&2
  exit 1
fi
start=$SECONDS
if ! run_tests 600; then
  echo "The unmutated tree's tests fail: fix them before measuring." >&2
  exit 1
fi
# A mutant that makes the tests run five times as long as they should is caught hanging.
limit=$(( (SECONDS - start) * 5 + 30 ))

mapfile -t mutants < <(python3 scripts/mutate.py list --root "$tree" --count "$count" --seed "$seed")
killed=0
survived=0
stillborn=0
: >"$results"
for line in "${mutants[@]}"; do
  IFS=$'\t' read -r index place kind text <<<"$line"
  file="${place%%:*}"
  # Restored from the copy taken at the start, not from the working tree,
  # which may change while the run goes on.
  cp "$tree/$file" "$work/unmutated"
  python3 scripts/mutate.py apply --root "$tree" --count "$count" --seed "$seed" --index "$index"
  if ! build_tests; then
    status=stillborn
    stillborn=$((stillborn + 1))
  elif run_tests "$limit"; then
    status=survived
    survived=$((survived + 1))
  else
    status=killed
    killed=$((killed + 1))
  fi
  cp "$work/unmutated" "$tree/$file"
  printf '%s\t%s\t%s\t%s\n' "$status" "$place" "$kind" "$text" | tee -a "$results"
done
# Rebuild the unmutated tree, so that the next run starts from it.
build_tests || true

valid=$((killed + survived))
echo "mutants: ${#mutants[@]}, stillborn: $stillborn, killed: $killed of $valid" \
  "($(( valid > 0 ? killed * 100 / valid : 0 ))%)"
