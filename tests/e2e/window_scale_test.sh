#!/usr/bin/env bash
# The window's scale and the command line. Bad arguments end the editor with a
# message and code 2. The desktop's Xft.dpi sets the scale when the window fits
# the screen, and a screen too small keeps scale 1. At --scale 2, given a folder
# to work in, the window shows the headless render with every pixel doubled, and
# clicks land where they land at scale 1.
. "${PROJECT_ROOT:?}/tests/e2e/walk_session.sh"

for arguments in "--scale 7" "--scale x" "one two" "$workdir/missing"; do
    env -u DISPLAY "$EDITOR_BINARY" $arguments </dev/null 2>"$workdir/said"
    code=$?
    [ "$code" = 2 ] && grep -q '^usage: ' "$workdir/said" \
        || fail "'$arguments' ended with code $code, saying: $(cat "$workdir/said")"
done

"$DEMO_LEVEL_GENERATOR" "$workdir/demo" >/dev/null || { fail "the demo levels were not written"; exit 1; }
mkdir "$workdir/关卡" "$workdir/headless" || exit 1
cp "$workdir/demo/M02".* "$workdir/关卡/" && cp "$workdir/demo/M02".* "$workdir/headless/" || exit 1

# open_editor SCREEN DPI ARGUMENT...: the editor on a fresh display of SCREEN
# (WIDTHxHEIGHT) whose Xft.dpi is DPI (- for none), started in $workdir with the
# arguments; sets window, X, Y, WIDTH and HEIGHT.
open_editor() {
    local screen=$1 dpi=$2
    shift 2
    stop_xvfb
    X_SCREEN_WIDTH=${screen%x*} X_SCREEN_HEIGHT=${screen#*x}
    start_xvfb || return 1
    [ "$dpi" = - ] || set_x_resources "Xft.dpi: $dpi"
    xdotool mousemove 0 0
    ( cd "$workdir" && exec "$EDITOR_BINARY" "$@" ) &
    editor_pid=$!
    window=$(wait_for_window 'Tarnhold' 15) || { fail "no window on $screen at $dpi dpi with '$*'"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X,$Y" = "$(( (X_SCREEN_WIDTH - WIDTH) / 2 )),$(( (X_SCREEN_HEIGHT - HEIGHT) / 2 ))" ] \
        || fail "the window at $X,$Y is not centred on $screen"
}
close_editor() {
    close_window "$window"
    wait_for_exit "$editor_pid" 10 && [ "$EXIT_CODE" = 0 ] || fail "the editor did not exit with code 0"
    editor_pid=""
}

while read -r screen dpi size; do
    open_editor "$screen" "$dpi" || continue
    [ "${WIDTH}x$HEIGHT" = "$size" ] || fail "on $screen at $dpi dpi the window is ${WIDTH}x$HEIGHT, not $size"
    close_editor
done <<'CASES'
2560x1600 192 1880x1390
2560x1600 144 1410x1043
1280x1024 192 940x695
CASES

# ">" and "载入地图" pressed at twice their places: level 2 comes up from 关卡.
open_editor 2560x1600 - --scale 2 关卡 || exit 1
[ "${WIDTH}x$HEIGHT" = 1880x1390 ] || fail "at --scale 2 the window is ${WIDTH}x$HEIGHT, not 1880x1390"
: >"$workdir/scaled.script"
for point in "85 680" "160 680"; do
    set -- $point
    printf 'move %s %s\ndown %s %s left\nup %s %s left\n' "$1" "$2" "$1" "$2" "$1" "$2" >>"$workdir/scaled.script"
    xdotool mousemove --sync $((X + 2 * $1 + 1)) $((Y + 2 * $2 + 1)) click 1
done
"$HEADLESS_RENDER" "$workdir/headless" "$workdir/scaled.script" "$workdir/scaled.ppm" >/dev/null \
    && /usr/bin/convert "$workdir/scaled.ppm" -sample 200% "$workdir/doubled.ppm" || fail "no headless render"
window_equals "$window" "$workdir/scaled.png" "$workdir/doubled.ppm" \
    || fail "the window at --scale 2 differs from the doubled headless render: $DIFFERING pixels"
close_editor

echo "scale test took $(( $(now_ms) - started )) ms"
[ "$failures" -eq 0 ] && echo "window scale test passed"
exit "$failures"
