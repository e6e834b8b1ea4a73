#!/usr/bin/env bash
# The Debian package scripts/package.sh made: unpacked into a fresh root, its control fields,
# its files against the run folder the program is built with, its menu entry and icons; then
# the installed program started from that root as a user whose documents folder is
# "Dokumenty": the examinee folder is made there, and nothing is written beside the program.
set -euo pipefail
build=$1
deb=$(ls "$build"/package/lun4_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
  echo "no package in $build/package: scripts/package.sh makes it"
  exit 77
fi
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  chmod -R u+w "$work"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libturbojpeg0 zlib1g qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core; do
  [[ "$depends" == *"$p"* ]] || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = lun4 ] || fail "package name"

# Every picture and aid of the run folder, and nothing of the examinee folder.
share="$work/root/usr/share/lun4"
diff <(cd "$build/run" && find Data Pomoce -type f | sort) <(cd "$share" && find Data Pomoce -type f | sort) \
  || fail "the package's data folders differ from the run folder's"
[ ! -e "$share/pacjenci" ] || fail "the package holds an examinee folder"
cmp -s "$build/run/Data/main.bmp" "$share/Data/main.bmp" || fail "Data/main.bmp differs"

desktop="$work/root/usr/share/applications/lun4.desktop"
grep -qx 'Exec=lun4' "$desktop" || fail "menu entry's Exec"
grep -qx 'Icon=lun4' "$desktop" || fail "menu entry's Icon"
grep -q '^Categories=.*Education;.*MedicalSoftware;' "$desktop" || fail "menu entry's categories"
if command -v desktop-file-validate > /dev/null; then desktop-file-validate "$desktop"; fi
for size in 16 32 48 256; do
  icon="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/lun4.png"
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$icon")"
done
[ -s "$work/root/usr/share/doc/lun4/podrecznik.md" ] || fail "the user guide"
if ldd "$work/root/usr/bin/lun4" | grep -q "not found"; then fail "libraries missing"; fi

# The installed program, started from its read-only root by a user with a Polish desktop.
chmod -R a-w "$work/root"
home="$work/home"
mkdir -p "$home/.config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Dokumenty"' > "$home/.config/user-dirs.dirs"
touch "$work/started"
(cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen exec "$work/root/usr/bin/lun4") > "$work/log" 2>&1 &
pid=$!
for _ in $(seq 1 60); do
  [ -d "$home/Dokumenty/LUN4/pacjenci" ] && break
  kill -0 "$pid" 2> /dev/null || { cat "$work/log"; fail "the installed program ended at its start"; }
  sleep 0.5
done
[ -d "$home/Dokumenty/LUN4/pacjenci" ] || { cat "$work/log"; fail "no examinee folder in the documents folder"; }
sleep 1
kill -0 "$pid" 2> /dev/null || { cat "$work/log"; fail "the installed program did not keep running"; }
written=$(find "$work/root" -newer "$work/started" | head -n 5)
[ -z "$written" ] || fail "written beside the installed program: $written"
echo "package $(basename "$deb") checked"
