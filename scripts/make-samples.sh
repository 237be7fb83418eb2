#!/usr/bin/env bash
# Remakes the sample tile sheet (samples/tiles.bmp, also in two other layouts paint programs
# write and as a PNG), the sample tile set made from it
# (samples/tiles.tls) and the editor's picture in the README (docs/screenshot.png); the last
# two with the editor's own window driven offscreen. Run from anywhere; BUILD_DIR picks the build folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/ensure-packages.sh
ensure_packages

build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target make_sample_sheet make_sample_tileset make_screenshot -j 2

export QT_QPA_PLATFORM=offscreen
mkdir -p docs
"$build/tools/make_sample_sheet" samples/tiles.bmp
"$build/tools/make_sample_sheet" samples/tiles-header124.bmp header124
"$build/tools/make_sample_sheet" samples/tiles-8bit.bmp 8bit
"$build/tools/make_sample_sheet" samples/tiles.png png
"$build/tools/make_sample_tileset" samples/tiles.bmp samples/tiles.tls
"$build/tools/make_screenshot" samples/tiles.bmp samples/tiles.tls docs/screenshot.png
