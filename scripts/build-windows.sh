#!/usr/bin/env bash
# Cross-builds LUN4 for 64-bit Windows with mingw-w64 into build-windows/ and lays out its run
# folder in build-windows/run like build/run: the program lun4.exe, Data/ (with BMP/Zad,
# BMP/Klu, BMP/Pom), Pomoce/ and pacjenci/. The pictures are drawn by the generator of the
# Linux build (built first into build/ when it is not there), so both folders hold the same.
# Also builds the Windows test executables; scripts/test.sh runs them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh windows

build_type="${LUN4_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" > /dev/null
cmake --build build --target lun4_datagen

# The tests run under Wine in a prefix of their own, under the build folder (see wine-prefix.sh).
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DLUN4_DATAGEN="$root/build/tools/datagen/lun4_datagen" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" > /dev/null
cmake --build build-windows
mkdir -p build-windows/run/pacjenci
