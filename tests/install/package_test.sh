#!/usr/bin/env bash
# Builds the Debian package as `make package` does, into a folder of its own,
# and runs Debian's checks on it: lintian must report no error (E:).
# usage: package_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.txt" || { cat "$work/cpack.txt" >&2; exit 1; }
package=$(ls "$work"/tunemill_*.deb)
lintian --no-tag-display-limit "$package" >"$work/lintian.txt" || true
cat "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then
  echo "FAIL: lintian reports errors on $(basename "$package")" >&2
  exit 1
fi
