#!/usr/bin/env bash
# Builds LUN4 and lays out its run folder in build/run: the program, Data/ (with BMP/Zad,
# BMP/Klu, BMP/Pom), Pomoce/ and pacjenci/.
set -euo pipefail
cd "$(dirname "$0")/.."
build_type="${LUN4_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" > /dev/null
cmake --build build
