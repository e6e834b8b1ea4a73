#!/usr/bin/env bash
# Builds the Windows packages of LUN4 into build-windows/package/: a portable zip
# (LUN4-<version>-przenosna.zip: the folder LUN4 with lun4.exe, Data, Pomoce and the user
# guide, to unpack anywhere) and an installer (LUN4-<version>.msi, made with wixl from
# Debian's msitools: Program Files\LUN4, a Start-menu shortcut with the icon). Needs the
# Windows build (scripts/build-windows.sh, run first when lun4.exe is not there).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
version=$(sed -n 's/^project(lun4 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -x build-windows/run/lun4.exe ] || scripts/build-windows.sh
out="$root/build-windows/package"
stage="$out/stage/LUN4"
rm -rf "$out"
mkdir -p "$stage"
cp build-windows/run/lun4.exe build-windows/lun4.ico "$stage/"
cp -r build-windows/run/Data build-windows/run/Pomoce "$stage/"
cp docs/podrecznik.md "$stage/"

# The portable copy keeps its examinee files in "pacjenci" beside itself, made at its start.
(cd "$out/stage" && python3 - "$out/LUN4-$version-przenosna.zip" LUN4 <<'PY'
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    for folder, dirs, files in os.walk(sys.argv[2]):
        dirs.sort()
        for name in sorted(files):
            if name != "lun4.ico":
                z.write(os.path.join(folder, name))
PY
)

# Every picture as a component of its own, listed by wixl-heat.
(cd "$stage" && find Data Pomoce -type f | sort |
  wixl-heat -p "" --var var.SourceDir --directory-ref INSTALLDIR --component-group DataFiles --win64) \
  > "$out/data.wxs"
# wixl takes the source folder relative to where it runs; its notes on the Windows-only
# attributes it ignores are left out.
(cd "$out" && wixl --arch x64 -D SourceDir=stage/LUN4 -D Version="$version" -D Win64=yes \
  -o "LUN4-$version.msi" "$root/dist/windows/lun4.wxs" data.wxs 2> >(grep -v WARNING >&2))
rm -rf "$out/stage" "$out/data.wxs"
ls "$out"/*.msi "$out"/*.zip
