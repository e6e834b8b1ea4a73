#!/usr/bin/env bash
# Sets up, builds and runs every test headless (Qt's offscreen platform), and the Windows
# build's tests under Wine; ends with CTest's one summary of both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
scripts/build.sh
# The installation package, made once here and checked by the package tests.
scripts/package.sh > /dev/null
scripts/build-windows.sh
scripts/package-windows.sh > /dev/null
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh "${LUN4_FUZZ_SECONDS:-30}"
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
