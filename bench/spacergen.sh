#!/usr/bin/env bash
# Times `spacergen 0 4000000` (about 350 MB of text) against dd writing the same number
# of bytes from /dev/zero, in one temporary folder beside the repository (so on the same
# filesystem), and prints both times and the ratio spacergen/dd.
# Usage: bench/spacergen.sh [path/to/spacergen]
#   default: build/spacergen/spacergen of this repository (a Release build is best).
# RUNS=n sets how many times each is run (default 3); the best time counts.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$repo/build/spacergen/spacergen}"
if [ ! -x "$program" ]; then
  echo "spacergen not found at $program (build it first, or pass its path)" >&2
  exit 1
fi
program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
runs="${RUNS:-3}"

workdir="$(mktemp -d "$repo/.bench-spacergen.XXXXXX")"
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"

# Best wall time in seconds of "$@" over $runs runs. The output file is removed and the
# disk synced before each run, so neither the truncation nor earlier writes are timed.
best_of() {
  local output="$1"; shift
  local best="" start end i
  for ((i = 0; i < runs; i++)); do
    rm -f "$output"
    sync
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    if [ -z "$best" ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

"$program" 0 4000000
bytes=$(stat -c %s spacer.dat)

spacergen_time=$(best_of spacer.dat "$program" 0 4000000)
[ "$(stat -c %s spacer.dat)" -eq "$bytes" ] || { echo "spacer.dat changed size" >&2; exit 1; }
rm -f spacer.dat
dd_time=$(best_of zero.dat dd if=/dev/zero of=zero.dat bs=1M count="$bytes" iflag=count_bytes status=none)
[ "$(stat -c %s zero.dat)" -eq "$bytes" ] || { echo "dd wrote a different size" >&2; exit 1; }
rm -f zero.dat

echo "bytes written:      $bytes"
echo "spacergen 0 4000000: $spacergen_time s (best of $runs)"
echo "dd bs=1M:            $dd_time s (best of $runs)"
awk -v s="$spacergen_time" -v d="$dd_time" \
  'BEGIN { printf "ratio spacergen/dd: %.2f (target at most 1.25)\n", s / d }'
