#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix (build-windows/wine, or
# LUN4_WINEPREFIX), made on first use without the Mono and Gecko installers' prompts. CTest
# runs the Windows tests through it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${LUN4_WINEPREFIX:-$root/build-windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Two test runs starting at once must not both make it.
  exec 9> "$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init > /dev/null 2>&1
    wineserver --wait
  fi
  exec 9>&-
fi
exec wine "$@"
