#!/usr/bin/env bash
# Release build of the benchmarks, then: screen composition against the floor cases, and the
# program's start to its first frame under Xvfb with its peak memory, measured from outside.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-release --target lun4 lun4_data lun4_bench
build-release/bench/lun4_bench --benchmark_min_time=0.2 "$@"

if command -v Xvfb > /dev/null && command -v xdotool > /dev/null; then
  Xvfb :97 -screen 0 1024x768x24 > /dev/null 2>&1 &
  xvfb=$!
  sleep 1
  cd build-release/run
  for i in 1 2 3; do
    start=$(date +%s%N)
    DISPLAY=:97 /usr/bin/time -f "%M" -o /tmp/lun4_rss ./lun4 &
    pid=$!
    # Polled every few milliseconds (xdotool's own --sync waits half a second between looks).
    until DISPLAY=:97 xdotool search --onlyvisible --name '^LUN4_TORVA$' > /dev/null 2>&1; do sleep 0.005; done
    end=$(date +%s%N)
    sleep 0.5
    pkill -TERM -P "$pid" || true; wait "$pid" 2> /dev/null || true
    echo "start to visible window: $(( (end - start) / 1000000 )) ms, peak memory: $(( $(tail -n 1 /tmp/lun4_rss) / 1024 )) MiB"
  done
  kill "$xvfb" 2> /dev/null || true
fi
