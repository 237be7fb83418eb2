#!/usr/bin/env bash
# Builds the Debian package for handing out: a Release build in build-package/ with Debian's
# hardening flags, then CPack. Writes mosalind_<version>_<architecture>.deb into
# build-package/ and prints its path. Install it with: apt install ./build-package/mosalind_*.deb
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/ensure-packages.sh
ensure_packages

build=build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMOSALIND_BUILD_TESTS=OFF \
        -DMOSALIND_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j 2
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/mosalind_*.deb
