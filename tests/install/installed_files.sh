#!/usr/bin/env bash
# installed_files.sh BUILD_DIR EXPECTED_LIST: installs the build into a temporary prefix and
# compares the files found there with EXPECTED_LIST; then lets appstreamcli check the
# installed tree as a software centre reads it (metadata, desktop entry and their links).
set -euo pipefail
build="$1" expected="$2"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
if ! diff -u "$expected" <(cd "$root" && find . -type f -o -type l | sort); then
  echo "The installed files (+) differ from $expected (-)."
  exit 1
fi
appstreamcli validate-tree --no-net "$root"
