#!/usr/bin/env bash
# package_lintian.sh BUILD_DIR VERSION: makes the Debian package from the build with CPack in
# a temporary folder, checks its file name and runs lintian on it; any error or warning fails.
set -euo pipefail
build="$1" version="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
package="$out/mosalind_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$package" ]; then
  echo "No $(basename "$package") was made; the folder holds:"
  ls "$out"
  exit 1
fi
# lintian warns about being run as root, as CI runs it; only its findings matter here.
lintian --fail-on error,warning "$package" 2> >(grep -v 'running with root privileges' >&2)
