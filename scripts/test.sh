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
# Wine's server for the tests' prefix stays up for the whole run: a server that ends after a
# few idle seconds just as the next test starts fails that test at once ("wine client error:
# ... Connection reset by peer"). The tests that open windows and the end-to-end run have
# prefixes of their own.
prefix="$PWD/build-windows/wine"
scripts/wine-run.sh cmd /c exit > /dev/null 2>&1 || true
WINEPREFIX="$prefix" wineserver -w
WINEPREFIX="$prefix" wineserver -p
# Wine's own background programs start now, with no test's output pipe to hold open.
scripts/wine-run.sh cmd /c exit > /dev/null 2>&1 || true
trap 'WINEPREFIX="$prefix" wineserver -k 2> /dev/null || true' EXIT
cd build
# A test that fails is run once more before it counts: about one run in three under Wine loses
# one test at its very start (the Wine process ends within milliseconds, before the test's
# first line). A test that fails twice fails the run; a second try shows in the log.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --repeat until-pass:2
