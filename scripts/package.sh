#!/usr/bin/env bash
# Builds the Debian package: the play build (optimised, no tests) put together by CPack.
# Prints the package's path; install it with  sudo apt install ./build/package/vlnobrod_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh package
scripts/validate-desktop.sh
cmake --preset play >/dev/null
cmake --build --preset play
rm -rf build/package
cpack --config build/play/CPackConfig.cmake -G DEB -B build/package
rm -rf build/package/_CPack_Packages
ls build/package/vlnobrod_*.deb
