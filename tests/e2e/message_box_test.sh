#!/usr/bin/env bash
# The SDL message box: its own window over the main one, Chinese text drawn with our
# font, the keyboard focus on it, Return answering OK and Escape Cancel.
set -u
. "${PROJECT_ROOT:?}/tools/x11_session.sh"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
workdir=$(mktemp -d)
probe_pid=""
cleanup() { release_held_key; [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null; stop_xvfb; rm -rf "$workdir"; }
trap cleanup EXIT
start_xvfb || exit 1

dark_pixels() {  # FILE: how many pixels are near black (the text)
    /usr/bin/convert "$1" -colorspace gray -threshold 25% -negate -format '%[fx:int(mean*w*h+0.5)]' info:
}

# run_box BUTTONS KEY EXPECTED [main]: opens a box, answers it with KEY, checks
# the answer. With "main", the focus is first given to the main window, as a
# window manager may do: a modal box takes it back.
run_box() {
    local buttons=$1 key=$2 expected=$3 focus_to=${4:-}
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null  # the last probe, when its box failed
    "$MESSAGE_BOX_PROBE" "$buttons" $'文件无法打开：M01.map\n第二行 Second line' >"$workdir/answer" &
    probe_pid=$!
    local box
    box=$(wait_for_window '^ .* $' 10) || { fail "no message box appeared ($buttons)"; return; }
    local main
    main=$(wait_for_window 'message-box-probe' 5)
    eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/MAIN_/')"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    local centre_x=$((MAIN_X + MAIN_WIDTH / 2)) centre_y=$((MAIN_Y + MAIN_HEIGHT / 2))
    [ $((X + WIDTH / 2 - centre_x)) -le 1 ] && [ $((centre_x - X - WIDTH / 2)) -le 1 ] \
        && [ $((Y + HEIGHT / 2 - centre_y)) -le 1 ] && [ $((centre_y - Y - HEIGHT / 2)) -le 1 ] \
        || fail "box at $X,$Y ${WIDTH}x$HEIGHT is not centred over the main window"

    # The caption " 返回 " is matched by its blanks: xdotool cannot match Chinese.
    # Wait until the box shows its text, then check the focus went to it.
    local shot="$workdir/box.png" i text=0
    for i in $(seq 1 100); do
        window_png "$box" "$shot" 2>/dev/null && text=$(dark_pixels "$shot")
        [ "$text" -gt 200 ] && break
        sleep 0.05
    done
    [ "$text" -gt 200 ] || fail "the box shows no text ($text dark pixels)"
    [ -z "$focus_to" ] || xdotool windowfocus "$main"
    wait_for_focus "$box" 5 || fail "the box does not have the keyboard focus${focus_to:+ after the $focus_to window took it}"

    # Not "xdotool key --window": the box closes on the press, and xdotool then
    # stops at the gone window before the release, leaving the key down.
    answer_message_box "$box" "$key" && wait_for_exit "$probe_pid" 10 \
        || { fail "the box did not close on $key"; return; }
    probe_pid=""
    [ "$(cat "$workdir/answer")" = "$expected" ] || fail "$key on a $buttons box answered '$(cat "$workdir/answer")', not $expected"
}

run_box okcancel Return Ok
run_box okcancel Escape Cancel
run_box ok Escape Ok
run_box okcancel Escape Cancel main

[ "$failures" -eq 0 ] && echo "message box test passed"
exit "$failures"
