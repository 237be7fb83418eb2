#!/usr/bin/env bash
# How much of the sample set learning gives back from a few tiles done by hand: starts from
# samples/tiles.tls with only the tiles of LIST keeping their values (every other tile
# blank, as in a new set on the sample sheet), runs tlstool suggest --done LIST (which fills
# in every other blank tile, as Select all, F6, Accept does in the editor) and counts the
# tiles with values in samples/tiles.tls whose four sides come out as the file holds them.
# The default LIST is one tile of each kind of tile the sample's blocking and slopes are
# drawn for: grass ground (13), an earth block (17), a snow slope (26), snow ground (42),
# a rock block (46), a snow-capped block (53), sand ground (71), a sand block (75), sand
# ground's end (82), bricks (100), metal blocks (102), ice (110), a plank bridge (115), a
# stone ledge (121), spikes (134) and doors (140): 16 kinds. One tile of each blocking and
# slope the sample's values use instead (8 tiles: 13,17,26,42,53,71,82,134) is the other
# way to count them.
# Usage: bench/sample_learning.sh [BUILD_DIR] [LIST]   (needs jq)
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$repo/build}" && pwd)"
list="${2:-13,17,26,42,46,53,71,75,82,100,102,110,115,121,134,140}"
tlstool="$build/tlstool/tlstool"
[ -x "$tlstool" ] || { echo "missing $tlstool: build target tlstool" >&2; exit 1; }
command -v jq >/dev/null || { echo "bench/sample_learning.sh needs jq" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sheet="$repo/samples/tiles.bmp"
"$tlstool" export "$repo/samples/tiles.tls" -o "$work/full.json"
# The hand-done tiles as numbers, one a line, from 3,7,20-25.
tr ',' '\n' <<< "$list" | awk -F- '{ last = NF > 1 ? $2 : $1; for (t = $1; t <= last; t++) print t }' > "$work/done"
jq --slurpfile done <(jq -s . "$work/done") '
  .tiles[0].type as $blank
  | .tiles |= [to_entries[] | if (.key as $k | $done[0] | index($k)) then .value
      else .value | .type = $blank | .top = {blocking: 0} | .right = {blocking: 0}
                  | .bottom = {blocking: 0} | .left = {blocking: 0} end]' \
  "$work/full.json" > "$work/start.json"
"$tlstool" import "$work/start.json" --sheet "$sheet" -o "$work/start.tls"
"$tlstool" suggest "$work/start.tls" --sheet "$sheet" --done "$list" > /dev/null
"$tlstool" export "$work/start.tls" -o "$work/suggested.json"
jq -r --slurpfile got "$work/suggested.json" --arg list "$list" --argjson hand "$(wc -l < "$work/done")" '
  .tiles[0].type as $blank
  | [.tiles | to_entries[]
     | select(.value.type != $blank or ([.value.top, .value.right, .value.bottom, .value.left]
                                        | any(.blocking != 0 or has("slope"))))
     | .key as $k | .value as $want | $got[0].tiles[$k] as $have
     | {tile: $k, same: ([$want.top, $want.right, $want.bottom, $want.left]
                         == [$have.top, $have.right, $have.bottom, $have.left])}]
  | "\(map(select(.same)) | length) of \(length) tiles with values have all four sides as samples/tiles.tls holds them, from \($hand) tiles done by hand (\($list))",
    "differing: \(map(select(.same | not) | .tile) | join(","))"' \
  "$work/full.json"
