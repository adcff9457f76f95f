#!/usr/bin/env bash
# Runs bench/present_bench (the present step of hover moves, whole frame against
# changed rectangles) in the real window on a virtual X display of its own.
# Usage: bench/present_bench.sh [build-dir] [--scale N] [--rounds N]   (run by hand)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then build=$1; shift; fi
. "$root/tools/x11_session.sh"
# Room for the window at a scale of 2 or 3.
X_SCREEN_WIDTH=3840 X_SCREEN_HEIGHT=2160
trap stop_xvfb EXIT
start_xvfb
"$build/bench/present_bench" "$@"
