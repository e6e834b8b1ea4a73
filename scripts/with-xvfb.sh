#!/usr/bin/env bash
# Runs a command with a display of its own: a private Xvfb on a free display (the server picks
# it), 1024x768 unless LUN4_SCREEN says otherwise, stopped when the command ends. The Windows
# tests that open windows run under Wine through it, so they need no display of the caller's.
set -euo pipefail
screen="${LUN4_SCREEN:-1024x768x24}"
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3> "$number" 2> /dev/null &
server=$!
trap 'kill "$server" 2> /dev/null || true; wait "$server" 2> /dev/null || true; rm -f "$number"' EXIT
for _ in $(seq 100); do
  [ -s "$number" ] && break
  sleep 0.1
done
[ -s "$number" ] || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$number")" "$@"
