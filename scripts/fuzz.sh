#!/usr/bin/env bash
# scripts/fuzz.sh TARGET [SECONDS]
#
# Builds the fuzz targets as libFuzzer programs with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs fuzz_TARGET for SECONDS (default
# 600). TARGET is tile_set, bitmap, png, tls_json, recovery, segmend or spacergen, or "all"
# for every one of them, as many at a time as the machine has cores.
#
# A run starts from the generated seeds and the inputs kept in fuzz/corpus/TARGET/ and grows
# its own corpus in build-fuzz/fuzz/work/TARGET/. A fault or a broken property stops it; the
# script then prints the path of the input that shows it and exits with 1. To keep such an
# input as a regression test once the fault is fixed, copy it into fuzz/corpus/TARGET/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

all_targets=(tile_set bitmap png tls_json recovery segmend spacergen)
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET|all [SECONDS]  (targets: ${all_targets[*]})" >&2
  exit 2
fi
seconds="${2:-600}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz.sh: SECONDS must be a positive whole number, not '$seconds'" >&2
  exit 2
fi
if [ "$1" = all ]; then
  targets=("${all_targets[@]}")
else
  targets=("$1")
fi

source scripts/ensure-packages.sh
ensure_packages

build=build-fuzz
# Optimised lightly, with line tables for the sanitizers' stack traces: quick to build.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
      -DMOSALIND_FUZZ=ON -DMOSALIND_BUILD_TESTS=OFF -DMOSALIND_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j 2 --target fuzz_all >/dev/null

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

for target in "${targets[@]}"; do
  if [ ! -x "$build/fuzz/fuzz_$target" ]; then
    echo "fuzz.sh: no fuzz target '$target' (targets: ${all_targets[*]})" >&2
    exit 2
  fi
done

# Runs one target and reports on it; returns 1 when it found a fault.
fuzz_target() {
  local target="$1"
  local program="$build/fuzz/fuzz_$target"
  local work="$build/fuzz/work/$target"
  local findings="$build/fuzz/findings/$target"
  local log="$build/fuzz/$target.log"
  mkdir -p "$work" "$findings"
  local corpora=("$build/fuzz/seeds/$target")
  if [ -d "fuzz/corpus/$target" ]; then
    corpora+=("fuzz/corpus/$target")
  fi
  if "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$findings/" "$work" "${corpora[@]}" >"$log" 2>&1; then
    local runs coverage
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$log" | tail -n 1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*' "$log" | tail -n 1)
    echo "fuzz_$target: ${runs:-?}, ${coverage/ corp:/, corpus} inputs (log: $log)"
    return 0
  fi
  tail -n 40 "$log"
  local input
  input=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
  echo "fuzz_$target FOUND A FAULT. Input: ${input:-see $log}"
  echo "Reproduce with: $program ${input:-INPUT}"
  return 1
}

# Several targets run as many at a time as there are cores; each report is printed whole.
at_once=$(nproc 2>/dev/null || echo 1)
status=0
for ((first = 0; first < ${#targets[@]}; first += at_once)); do
  batch=("${targets[@]:first:at_once}")
  pids=()
  for target in "${batch[@]}"; do
    fuzz_target "$target" >"$build/fuzz/$target.report" 2>&1 &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do
    wait "$pid" || status=1
  done
  for target in "${batch[@]}"; do
    cat "$build/fuzz/$target.report"
  done
done
exit "$status"
