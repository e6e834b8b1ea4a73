#!/usr/bin/env bash
# Sets up, builds and runs every test headless (Qt's offscreen platform); ends with CTest's
# summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh "${LUN4_FUZZ_SECONDS:-30}"
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
