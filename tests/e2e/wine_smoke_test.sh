#!/usr/bin/env bash
# The Windows build under wine in a virtual X display. The .exe starts in an empty
# Levels folder, opens a window centred on the screen with a 940 by 695 client area
# showing exactly the first frame the headless build renders, stays idle, and exits
# with code 0 when the window is closed. Its message boxes show their Chinese
# captions and answer OK to Return and Cancel to Escape, and its durable replace of
# a file keeps the old file whenever a step fails. Its bitmap resources are the
# pictures the other builds embed.
set -u
. "${PROJECT_ROOT:?}/tools/x11_session.sh"
. "${PROJECT_ROOT}/tools/wine_session.sh"

if reason=$(wine_tools_missing); then
    echo "SKIP: $reason, so the Windows build is not run under wine"
    exit 77
fi
editor="${WINDOWS_BUILD:?}/tarnhold-editor.exe"
probe="$WINDOWS_BUILD/message-box-probe.exe"
files_probe="$WINDOWS_BUILD/replace-file-probe.exe"
resources_probe="$WINDOWS_BUILD/bitmap-resources-probe.exe"
for program in "$editor" "$probe" "$files_probe" "$resources_probe"; do
    [ -f "$program" ] || { echo "FAIL: $program is missing (./test builds it)"; exit 1; }
done

# Wine draws the frame itself (no window manager): a 3-pixel fixed frame all round
# and a 19-pixel caption in a fresh prefix.
FRAME=3
CAPTION=19

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
workdir=$(mktemp -d)
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    stop_wineserver
    stop_xvfb
    rm -rf "$workdir"
}
trap cleanup EXIT
elapsed() { echo $(( ($(date +%s%N) - started) / 1000000 )); }
# point_at X Y: moves the pointer there. (mousemove --sync would wait for ever if
# the pointer were there already.)
point_at() {
    local X Y
    eval "$(xdotool getmouselocation --shell)"
    [ "$X,$Y" = "$1,$2" ] || xdotool mousemove --sync "$1" "$2"
}

started=$(date +%s%N)
start_xvfb || exit 1
use_wine_prefix "$WINDOWS_BUILD/wine-prefix"
prepare_wine_prefix || { echo "FAIL: could not make the wine prefix"; exit 1; }
echo "wine prefix ready after $(elapsed) ms"
start_wineserver

# The window opens under the pointer, and the editor shows the cell under it. The
# test puts the pointer on a client point of its own and expects the first frame
# after the same move.
POINTER_X=100
POINTER_Y=100
"${FIRST_FRAME_RENDER:?}" "$workdir/expected.ppm" "$POINTER_X" "$POINTER_Y" \
    || { echo "FAIL: no headless first frame"; exit 1; }

# The editor, in an empty Levels folder.
mkdir "$workdir/Levels"
( cd "$workdir/Levels" && exec wine "$editor" ) &
program_pid=$!
# A first start in a new prefix also starts wine's services; under load that is slow.
if ! window=$(wait_for_window 'Tarnhold' 60); then
    kill -0 "$program_pid" 2>/dev/null && echo "FAIL: no editor window appeared under wine" \
        || { wait "$program_pid"; echo "FAIL: the editor ended with code $? and no window under wine"; }
    exit 1
fi
echo "window open after $(elapsed) ms"

eval "$(xdotool getwindowgeometry --shell "$window")"
client_width=$((WIDTH - 2 * FRAME))
client_height=$((HEIGHT - 2 * FRAME - CAPTION))
[ "$client_width" = 940 ] && [ "$client_height" = 695 ] \
    || fail "client area is ${client_width}x${client_height} (window ${WIDTH}x${HEIGHT}), not 940x695"
[ "$X" = $(( (X_SCREEN_WIDTH - WIDTH) / 2 )) ] && [ "$Y" = $(( (X_SCREEN_HEIGHT - HEIGHT) / 2 )) ] \
    || fail "window at $X,$Y is not centred"
name=$(xdotool getwindowname "$window")
[ "$name" = "Tarnhold地图编辑器（国外版）" ] || fail "window title is '$name'"

# The client area, pixel for pixel, is the headless first frame.
point_at $((X + FRAME + POINTER_X)) $((Y + FRAME + CAPTION + POINTER_Y))
shot="$workdir/window.png"
differing=unknown
deadline=$(( $(date +%s) + 10 ))
while [ "$(date +%s)" -le "$deadline" ]; do
    if window_png "$window" "$shot" 2>/dev/null; then
        differing=$(/usr/bin/compare -metric AE \
            \( "$shot" -crop "940x695+$FRAME+$((FRAME + CAPTION))" +repage \) "$workdir/expected.ppm" null: 2>&1)
        [ "$differing" = 0 ] && break
    fi
    sleep 0.05
done
if [ "$differing" != 0 ]; then
    fail "$differing pixels of the client area differ from the headless first frame"
    cp "$shot" "$WINDOWS_BUILD/wine-smoke-window.png" 2>/dev/null
fi

# Active and idle, the loop waits for messages and frames instead of spinning:
# under five per cent of a core over a second.
ticks_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(ticks_of "$program_pid")
idle_started=$(date +%s%N)
while [ $(( ($(date +%s%N) - idle_started) / 1000000 )) -lt 1000 ]; do sleep 0.1; done
used_percent=$(( ($(ticks_of "$program_pid") - before) * 100 / $(getconf CLK_TCK) ))
[ "$used_percent" -lt 5 ] || fail "the idle editor used ${used_percent}% of a core"

close_window "$window"
wait_for_exit "$program_pid" 15 || fail "the editor did not exit after its window was closed"
[ "$EXIT_CODE" = 0 ] || fail "the editor's exit code is '$EXIT_CODE', not 0"
program_pid=""
echo "editor closed after $(elapsed) ms"

# run_box KEY EXPECTED: a message box over a main window, answered with KEY.
run_box() {
    local key=$1 expected=$2
    printf '文件无法打开：M01.map\n第二行 Second line' >"$workdir/text"
    ( cd "$workdir" && exec wine "$probe" okcancel @text >answer ) &
    program_pid=$!
    # The caption " 返回 " is found by its blanks: xdotool cannot match Chinese.
    local box
    box=$(wait_for_window '^ .* $' 20) || { fail "no message box appeared"; return; }
    local caption
    caption=$(xdotool getwindowname "$box")
    [ "$caption" = " 返回 " ] || fail "the box's caption is '$caption'"
    # With no window manager the keyboard follows the pointer.
    eval "$(xdotool getwindowgeometry --shell "$box")"
    point_at $((X + WIDTH / 2)) $((Y + 10))
    xdotool key "$key"
    wait_for_exit "$program_pid" 15 || fail "the box did not close on $key"
    program_pid=""
    [ "$(tr -d '\r' <"$workdir/answer")" = "$expected" ] \
        || fail "$key answered '$(tr -d '\r' <"$workdir/answer")', not $expected"
}
run_box Return Ok
run_box Escape Cancel
echo "message boxes answered after $(elapsed) ms"

# The durable replace of a level file, case by case, in an empty folder.
mkdir "$workdir/files"
( cd "$workdir/files" && exec wine "$files_probe" ) >"$workdir/files.log" 2>&1 \
    || fail "the durable file replace failed under wine:$(printf '\n%s' "$(grep -v '^ok' "$workdir/files.log")")"
echo "file replacement checked after $(elapsed) ms"

# The .exe's bitmap resources hold exactly the bytes the Linux build embeds.
"${BITMAP_RESOURCES_PROBE:?}" >"$workdir/resources.linux"
( cd "$workdir" && exec wine "$resources_probe" ) | tr -d '\r' >"$workdir/resources.windows"
cmp -s "$workdir/resources.linux" "$workdir/resources.windows" \
    || fail "the .exe's bitmap resources differ from the embedded ones:$(printf '\n%s' \
        "$(diff "$workdir/resources.linux" "$workdir/resources.windows" | head -n 5)")"

[ "$failures" -eq 0 ] && echo "wine smoke test passed"
exit "$failures"
