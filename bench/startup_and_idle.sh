#!/usr/bin/env bash
# Measures the real editor under Xvfb: the time from launch until its first frame
# is on screen, and the processor time it uses over five idle seconds.
# Usage: bench/startup_and_idle.sh [build-dir]   (run by hand, after ./test or ./run)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
export X_CLOSE_WINDOW="$build/tests/e2e/x-close-window" LANG=C.UTF-8
. "$root/tools/x11_session.sh"
trap stop_xvfb EXIT
start_xvfb
workdir=$(mktemp -d)

launched=$(date +%s%N)
( cd "$workdir" && exec "$build/tarnhold-editor" ) &
pid=$!
window=$(wait_for_window 'Tarnhold' 15)
shot=$(mktemp --suffix=.png)
until window_png "$window" "$shot" 2>/dev/null && [ "$(pixel_of "$shot" 5 5)" = "45,50,46" ]; do sleep 0.01; done
shown=$(date +%s%N)
echo "launch to first frame: $(( (shown - launched) / 1000000 )) ms (includes one screenshot round trip)"

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks); start=$(date +%s%N)
sleep 5
after=$(ticks); end=$(date +%s%N)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v ns=$((end - start)) \
    'BEGIN { printf "idle processor use over %.1f s: %.2f%% of a core\n", ns / 1e9, 100 * t / hz / (ns / 1e9) }'
echo "resident memory: $(awk '/VmRSS/ {print $2, $3}' "/proc/$pid/status")"
close_window "$window"
wait_for_exit "$pid" 10
rm -rf "$workdir" "$shot"
