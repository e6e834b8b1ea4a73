#!/usr/bin/env bash
# Sets up, builds and starts LUN4 from its run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TXT'
No display found (DISPLAY is not set). LUN4 is a full-screen desktop program.
To start it on a virtual 1024x768 screen instead:
  sudo apt-get install -y xvfb
  Xvfb :1 -screen 0 1024x768x24 &
  DISPLAY=:1 scripts/run.sh
TXT
  exit 1
fi
cd build/run
exec ./lun4
