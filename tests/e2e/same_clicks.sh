#!/usr/bin/env bash
# The same clicks on the Linux program and on the Windows one under Wine, each in a run folder of
# its own on a display of its own: start, enter, open an examinee file, score an item, save it
# under a new name, end. The two saved files must be the same bytes.
#
#   same_clicks.sh LINUX_PROGRAM WINDOWS_PROGRAM DATA_FOLDER EXAMINEE_FILE
#
# With LUN4_E2E_SHOTS set to a folder, a screenshot of each step is left there.
set -euo pipefail
linux=$1 windows=$2 data=$3 examinee=$4
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A run folder: the data pictures linked, the examinee file to open as "anna.pcn".
runFolder() {
  mkdir -p "$1/pacjenci"
  ln -s "$data/Data" "$1/Data"
  ln -s "$data/Pomoce" "$1/Pomoce"
  cp "$examinee" "$1/pacjenci/anna.pcn"
}

# Moves onto the point, then a pixel further (a button acts only once lit), and clicks.
click() {
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool mousemove "$(($1 + 1))" "$2"
  sleep 0.3
  xdotool click 1
  sleep "${LUN4_CLICK_WAIT:-1.2}"
  if [ -n "${LUN4_E2E_SHOTS:-}" ]; then
    shot=$((${shot:-0} + 1))
    import -window root "$LUN4_E2E_SHOTS/$side-$shot.png"
  fi
}

# The clicks, at 1024x768 (frame pixels are screen pixels).
clicks() {
  for _ in $(seq 150); do
    xdotool search --name LUN4_TORVA > /dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 2
  click 510 566   # "Rozpocznij pracę"
  click 200 190   # "Wczytaj"
  click 260 266   # the first examinee file
  click 526 481   # "Wczytaj"
  click 515 429   # "OK"
  click 240 380   # the direct observation area
  click 180 220   # scale 1
  click 400 138   # item 2
  click 884 390   # emerging
  click 874 88    # back to the list
  click 157 697   # back to the main menu
  click 450 141   # "Zapisz"
  xdotool key ctrl+a
  xdotool type --delay 80 wynik
  sleep 0.5
  click 640 421   # "OK"
  click 515 429   # "OK"
  click 903 39    # "Zakończ"
  click 526 431   # "Nie": it is saved
}

# Runs one program in its folder with the clicks; fails when it does not end by itself.
run() {
  local folder=$1
  shift
  (cd "$folder" && "$@" > "$folder.log" 2>&1) &
  local program=$!
  clicks
  for _ in $(seq 100); do
    kill -0 "$program" 2> /dev/null || break
    sleep 0.2
  done
  if kill -0 "$program" 2> /dev/null; then
    echo "the program in $folder did not end after the exit question" >&2
    kill "$program"
    return 1
  fi
  wait "$program"
}

runFolder "$work/linux"
runFolder "$work/windows"
export -f click clicks run
# The Linux program keeps its recovery copy and settings in a home of its own.
HOME="$work/home" XDG_STATE_HOME="$work/state" XDG_DATA_HOME="$work/share" \
  XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
  side=linux "$root/scripts/with-xvfb.sh" bash -c "run '$work/linux' '$linux'"
# A recovery copy an interrupted earlier run left in the Wine prefix would be offered first.
prefix="${LUN4_WINEPREFIX:-$root/build-windows/wine}"
# A prefix made at first use is made now, not while the clicks wait for the window.
"$root/scripts/wine-run.sh" cmd /c exit > /dev/null 2>&1 || true
rm -rf "$prefix"/drive_c/users/*/AppData/Local/LUN4_TORVA/odzysk
# Wine keeps the screen it first met while any program of the prefix runs: the program is to
# meet this run's screen.
WINEPREFIX="$prefix" timeout 60 wineserver -w || true
side=windows "$root/scripts/with-xvfb.sh" bash -c "run '$work/windows' '$root/scripts/wine-run.sh' '$windows'"

for side in linux windows; do
  [ -f "$work/$side/pacjenci/wynik.pcn" ] || { echo "no file saved on $side" >&2; cat "$work/$side.log" >&2; exit 1; }
done
cmp "$work/linux/pacjenci/wynik.pcn" "$work/windows/pacjenci/wynik.pcn"
# The item scored is in it: the file differs from the one opened.
! cmp -s "$examinee" "$work/windows/pacjenci/wynik.pcn"
