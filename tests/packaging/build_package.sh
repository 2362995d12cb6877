#!/usr/bin/env bash
# Builds the Debian package once, for the tests that check it.
# Usage: build_package.sh BUILD_DIR
set -euo pipefail
cd "$1"
rm -f teilerwerk_*.deb
cpack -G DEB > cpack.log || { cat cpack.log; echo "FAIL: cpack could not build the package" >&2; exit 1; }
echo "PASS: built $(echo teilerwerk_*.deb)"
