#!/usr/bin/env bash
# Redraws the editor's icon (desktop/icons/: mosalind.svg and the PNGs from 16 to 256 pixels)
# with tools/icon/make_icon.cpp. Run from anywhere; BUILD_DIR picks the build folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/ensure-packages.sh
ensure_packages

build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target make_icon -j 2

mkdir -p desktop/icons
"$build/tools/make_icon" desktop/icons
