#!/usr/bin/env bash
# The real editor window under Xvfb: its size and place, that it draws and takes
# the mouse, that it is idle when idle, and that closing it exits with code 0.
set -u
. "${PROJECT_ROOT:?}/tools/x11_session.sh"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

workdir=$(mktemp -d)
cleanup() { [ -n "${editor_pid:-}" ] && kill "$editor_pid" 2>/dev/null; stop_xvfb; rm -rf "$workdir"; }
trap cleanup EXIT

# With no display to reach the editor ends, as when its window cannot be made,
# instead of waiting on a window shown nowhere.
( cd "$workdir" && exec timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY "$EDITOR_BINARY" ) 2>/dev/null
code=$?
[ "$code" = 0 ] || fail "with no display the editor ended with code $code (124: it was still running after 20 s)"

start_xvfb || exit 1
( cd "$workdir" && exec "$EDITOR_BINARY" ) &
editor_pid=$!

window=$(wait_for_window 'Tarnhold' 15) || { echo "FAIL: no editor window appeared"; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 940 ] && [ "$HEIGHT" = 695 ] || fail "client area is ${WIDTH}x${HEIGHT}, not 940x695"
[ "$X" = $(( (X_SCREEN_WIDTH - 940) / 2 )) ] && [ "$Y" = $(( (X_SCREEN_HEIGHT - 695) / 2 )) ] \
    || fail "window at $X,$Y is not centred"

name=$(xdotool getwindowname "$window")
[ "$name" = "Tarnhold地图编辑器（国外版）" ] || fail "window title is '$name'"

# The window icon comes from icon group 1000: 32 by 32 pixels.
xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (32 x 32)' || fail "the window has no 32 by 32 icon"

# Before a level is loaded the map view shows the background between black grid
# lines, bordered in black on its right.
wait_for_pixel "$window" 5 5 "45,50,46" 10 || fail "the map view's first cell never showed the background"
shot="$workdir/shot.png"
window_png "$window" "$shot"
for point in "0 0 0,0,0" "470 347 0,0,0" "640 320 0,0,0" "655 660 45,50,46" "669 694 45,50,46"; do
    set -- $point
    [ "$(pixel_of "$shot" "$1" "$2")" = "$3" ] || fail "pixel $1,$2 is $(pixel_of "$shot" "$1" "$2"), not $3"
done

# The mouse reaches the window at client coordinates; every event repaints and the
# program stays up.
xdotool mousemove --sync $((X + 100)) $((Y + 100)) click 1
xdotool mousemove --sync $((X + 300)) $((Y + 200)) click 3
kill -0 "$editor_pid" 2>/dev/null || fail "the editor died after clicks"

# Idle: well under one per cent of a core over two seconds.
ticks_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(ticks_of "$editor_pid")
start_ns=$(date +%s%N)
while [ $(( ($(date +%s%N) - start_ns) / 1000000 )) -lt 2000 ]; do sleep 0.2; done
after=$(ticks_of "$editor_pid")
hz=$(getconf CLK_TCK)
used_percent=$(( (after - before) * 100 * 100 / (hz * 2 * 100) ))
[ "$used_percent" -lt 5 ] || fail "idle editor used ${used_percent}% of a core"

close_window "$window"
wait_for_exit "$editor_pid" 10 || fail "the editor did not exit after closing"
[ "$EXIT_CODE" = 0 ] || fail "exit code '$EXIT_CODE', not 0"
editor_pid=""

[ "$failures" -eq 0 ] && echo "window test passed"
exit "$failures"
