#!/usr/bin/env bash
# Builds the Debian package of LUN4 with CPack into build/package/ (lun4_<version>_<arch>.deb),
# which `apt install ./lun4_*.deb` installs with its run-time dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
rm -f build/package/lun4_*.deb
(cd build && cpack -G DEB > /dev/null && rm -rf package/_CPack_Packages)
ls build/package/lun4_*.deb
