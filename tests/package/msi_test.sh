#!/usr/bin/env bash
# The Windows packages scripts/package-windows.sh made: the installer's tables read with
# msiinfo (every picture of the run folder, the program, the Start-menu shortcut with its
# icon), the portable zip read with Python's zipfile; then, under Wine in a prefix of the
# test's own, the installer run quietly, the installed program started (its examinee folder
# appears in the user's documents), and the uninstall, which leaves the examinee files.
set -euo pipefail
source_dir=$1
cd "$source_dir"
msi=$(ls build-windows/package/LUN4-*.msi 2>/dev/null | head -n 1 || true)
zip=$(ls build-windows/package/LUN4-*-przenosna.zip 2>/dev/null | head -n 1 || true)
if [ -z "$msi" ] || [ -z "$zip" ]; then
  echo "no Windows packages in build-windows/package: scripts/package-windows.sh makes them"
  exit 77
fi
fail() { echo "FAIL: $*"; exit 1; }

# The file table: the program, the guide and every picture by its name.
msiinfo export "$msi" File | tr -d "\r" | tail -n +4 | cut -f3 | sort > /tmp/lun4-msi-files.$$
(cd build-windows/run && find Data Pomoce -type f -printf '%f\n'; echo lun4.exe; echo podrecznik.md) |
  sort > /tmp/lun4-run-files.$$
diff /tmp/lun4-run-files.$$ /tmp/lun4-msi-files.$$ || fail "the installer's files differ from the run folder's"
rm -f /tmp/lun4-msi-files.$$ /tmp/lun4-run-files.$$
msiinfo export "$msi" Directory | tr -d "\r" | grep -q $'^INSTALLDIR\tProgramFiles64Folder\tLUN4$' || fail "not in Program Files\\LUN4"
msiinfo export "$msi" Shortcut | tr -d "\r" | grep -q $'ProgramMenuFolder\tLUN4_TORVA\t.*\t\\[INSTALLDIR\\]lun4.exe\t.*\tlun4.ico' ||
  fail "the Start-menu shortcut: $(msiinfo export "$msi" Shortcut | tail -n 1)"

python3 - "$zip" build-windows/run <<'PY'
import os, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
assert z.testzip() is None
names = set(z.namelist())
for folder, _, files in os.walk(os.path.join(sys.argv[2], "Data")):
    for f in files:
        rel = os.path.relpath(os.path.join(folder, f), sys.argv[2])
        assert "LUN4/" + rel in names, rel
assert "LUN4/lun4.exe" in names and "LUN4/podrecznik.md" in names
assert not any(n.startswith("LUN4/pacjenci/") for n in names)
PY

# Under Wine, in a prefix of this test's own, whose user folders (Documents...) Wine links to
# the home folder it is made with: a folder of the test's, never the caller's home.
export LUN4_WINEPREFIX="$source_dir/build-windows/wine-package"
export HOME="$source_dir/build-windows/wine-package-home"
mkdir -p "$HOME"
started=
cleanup() {
  WINEPREFIX="$LUN4_WINEPREFIX" wineserver -k 2> /dev/null || true
  [ -n "$started" ] && kill "$started" 2> /dev/null || true
}
trap cleanup EXIT
wine_run="$source_dir/scripts/wine-run.sh"
program_files="$LUN4_WINEPREFIX/drive_c/Program Files/LUN4"
# A run that failed half way left its installation: the prefix is made afresh.
if [ -e "$program_files" ]; then
  WINEPREFIX="$LUN4_WINEPREFIX" wineserver -k 2> /dev/null || true
  rm -rf "$LUN4_WINEPREFIX" "$HOME/LUN4"
fi
$wine_run msiexec /i "Z:$source_dir/$msi" /qn
[ -f "$program_files/lun4.exe" ] && [ -f "$program_files/Data/main.bmp" ] || fail "not installed"
shortcut=$(find "$LUN4_WINEPREFIX/drive_c" -iname 'LUN4_TORVA.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"

# The installed program, started from Program Files, keeps its files in the documents folder.
scripts/with-xvfb.sh bash -c "cd / && exec $wine_run 'C:\\Program Files\\LUN4\\lun4.exe'" > /dev/null 2>&1 &
started=$!
folder=
for _ in $(seq 1 120); do
  folder=$(find -L "$LUN4_WINEPREFIX/drive_c/users" -maxdepth 5 -ipath '*/LUN4/pacjenci' -type d 2>/dev/null | head -n 1)
  [ -n "$folder" ] && break
  kill -0 "$started" 2>/dev/null || fail "the installed program ended at its start"
  sleep 0.5
done
[ -n "$folder" ] || fail "no examinee folder in the documents folder"
sleep 2
kill -0 "$started" 2>/dev/null || fail "the installed program did not keep running"
WINEPREFIX="$LUN4_WINEPREFIX" wineserver -k || true
wait "$started" 2>/dev/null || true
started=
[ ! -e "$program_files/pacjenci" ] || fail "examinee folder beside the installed program"
echo "Nowak" > "$folder/Nowak.pcn"

$wine_run msiexec /x "Z:$source_dir/$msi" /qn
[ ! -e "$program_files/lun4.exe" ] && [ ! -e "$program_files/Data" ] || fail "the uninstall left the program"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
[ "$(cat "$folder/Nowak.pcn")" = Nowak ] || fail "the uninstall touched the examinee files"
rm -rf "$(dirname "$folder")"
WINEPREFIX="$LUN4_WINEPREFIX" wineserver -w || true
echo "packages $(basename "$msi") and $(basename "$zip") checked"
