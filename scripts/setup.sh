#!/usr/bin/env bash
# Installs what building, running and testing LUN4 need on Debian 12, when it is missing;
# `setup.sh windows` also what the Windows build and its tests under Wine need.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n libturbojpeg0-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-14-dev
  poppler-utils
  zlib1g-dev unzip python3
  dpkg-dev file
)
if [ "${1:-}" = windows ]; then
  # The cross compilers (mingw-w64 with its POSIX-threads variant), Windows zlib, Wine to run
  # the tests, GoogleTest's sources to build it for Windows, and wixl for the installer.
  packages+=(mingw-w64 libz-mingw-w64-dev wine wine64 googletest msitools)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
