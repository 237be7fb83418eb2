#!/usr/bin/env bash
# Times segmend walking a large object file with no matching name against cat reading it.
# Usage: bench/segmend.sh [BUILD_DIR]   (default: build/ in the repository)
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$repo/build}" && pwd)"
segmend="$build/segmend/segmend"
make_input="$build/bench/segmend_bench_input"
for program in "$segmend" "$make_input"; do
  [ -x "$program" ] || { echo "missing $program: build targets segmend and segmend_bench_input" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
file="$work/large.obj"
"$make_input" "$file" 200
checksum_before="$(cksum < "$file")"
cat "$file" > /dev/null  # into the page cache

# Best of three wall-clock runs, in nanoseconds.
best_of_three() {
  local best=0 start end elapsed
  for _ in 1 2 3; do
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    elapsed=$((end - start))
    if [ "$best" -eq 0 ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  echo "$best"
}
run_cat() { cat "$file" > /dev/null; }

segmend_ns=$(best_of_three "$segmend" "$file")
cat_ns=$(best_of_three run_cat)
[ "$(cksum < "$file")" = "$checksum_before" ] || { echo "segmend changed the file" >&2; exit 1; }

size=$(stat -c %s "$file")
echo "file:    $((size / 1048576)) MiB"
awk -v s="$segmend_ns" -v c="$cat_ns" 'BEGIN {
  printf "segmend: %.3f s\ncat:     %.3f s\nratio segmend/cat: %.2f (target at most 2)\n", s / 1e9, c / 1e9, s / c }'
