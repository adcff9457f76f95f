#!/usr/bin/env bash
# Measures the real editor under Xvfb: the time from launch until its first frame is
# on screen, beside a bare SDL window's, and the processor time it uses over five idle
# seconds.
# Usage: bench/startup_and_idle.sh [BUILD_DIR] [RUNS] [OTHER_EDITOR...]
#   (run by hand after ./test, or after `ninja -C build tarnhold-editor launch-probe
#   bare-window x-close-window`). Each OTHER_EDITOR (another build's tarnhold-editor,
#   say the one before a change) is launched in turn with the others, so all are
#   measured in one sitting. RUNS launches of each (default 20), interleaved.
#
# Launch time is from the spawn until one pixel of the window, read with XGetImage
# (bench/launch_probe.cpp), shows the frame's background colour. Timings on a shared
# machine are noisy: pin the run (taskset -c 1) and compare medians.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-20}
shift $(( $# < 2 ? $# : 2 ))
build=$(cd "$build" && pwd)
export X_CLOSE_WINDOW="$build/tests/e2e/x-close-window" LANG=C.UTF-8
. "$root/tools/x11_session.sh"
workdir=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$workdir"' EXIT
start_xvfb

# The map view's corner before any level is loaded: the background, (45, 50, 46).
probe() { (cd "$workdir" && "$build/bench/launch-probe" 1 5 5 2D322E "$@") | sed -n 's/^launch 1: \(.*\) ms$/\1/p'; }
programs=("$build/tarnhold-editor" "$build/bench/bare-window" "$@")
declare -A times
for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        times[$program]+="$(probe "$program") "
    done
done
for program in "${programs[@]}"; do
    echo "${times[$program]}" | tr ' ' '\n' | grep . | sort -g | awk -v name="$program" '
        { t[NR] = $1 }
        END {
            if (NR == 0) { printf "launch to first frame, %s: no frame\n", name; exit }
            printf "launch to first frame, %s: median %.1f ms (min %.1f, max %.1f, %d launches)\n",
                   name, (t[int((NR + 1) / 2)] + t[int(NR / 2) + 1]) / 2, t[1], t[NR], NR
        }'
done

( cd "$workdir" && exec "$build/tarnhold-editor" ) &
pid=$!
window=$(wait_for_window 'Tarnhold' 15)
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
