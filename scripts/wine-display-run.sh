#!/usr/bin/env bash
# Runs a Windows program that opens windows: under Wine, on a private Xvfb (with-xvfb.sh), in a
# prefix of its own (build-windows/wine-display, or LUN4_WINEPREFIX_DISPLAY). A Wine session
# keeps the display it met first for as long as any program of its prefix runs, so these
# programs never share a session with the tests that run without a display, and each one's
# session is ended with it, before its Xvfb goes. CTest runs them one at a time (a resource
# lock), the others beside them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export LUN4_WINEPREFIX="${LUN4_WINEPREFIX_DISPLAY:-$root/build-windows/wine-display}"
exec "$root/scripts/with-xvfb.sh" bash -c '
  status=0
  "$0/scripts/wine-run.sh" "$@" || status=$?
  WINEPREFIX="$LUN4_WINEPREFIX" wineserver -k 2> /dev/null || true
  WINEPREFIX="$LUN4_WINEPREFIX" wineserver -w 2> /dev/null || true
  exit "$status"' "$root" "$@"
