#!/usr/bin/env bash
# A walk through the real editor window that edits everything a level holds:
# load a demo level, select a factory and step its kind, side, health,
# satellite protection, research levels and production with the panel's
# buttons; step the mission information of both sides and the limit on the
# map-information page; page through help and come back; scroll and zoom with
# held keys; save. The saved .edt and .map must hold what the clicks make of the
# level's original values by the editor's rules, worked out here independently
# of the editor, byte for byte; and the window must show, at each stage, what
# the headless editor shows after the same input, pixel for pixel.
#
# Every input goes through step functions that drive the window with xdotool,
# write the same input to a script for headless-render and, for a click on a
# control, apply the control's rule to this script's own record of the level.
. "${PROJECT_ROOT:?}/tests/e2e/walk_session.sh"
stage_times=""
stage_done() { stage_times+=" $1 $(( $(now_ms) - started ))"; }

"$DEMO_LEVEL_GENERATOR" "$workdir/demo" >/dev/null || { fail "the demo levels were not written"; exit 1; }
"$EDITING_PROBES" "$workdir/demo" >"$workdir/probes" || { fail "no level with a factory to pick"; exit 1; }
read -r _ level < <(grep '^level ' "$workdir/probes")
read -r _ factory factory_column factory_row < <(grep '^factory ' "$workdir/probes")
base=$(printf 'M%02d' "$level")
mkdir "$workdir/real" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/real/" || exit 1

. "$PROJECT_ROOT/tests/e2e/editing_model.sh"
model_load "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$factory"

# ---------------------------------------------------------------- the window

# render NAME: the headless editor's last frame after the script so far (NAME.ppm),
# its messages and the files it saved (NAME.level).
render() {
    local name=$1
    mkdir -p "$workdir/$name.level" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/$name.level/"
    "$HEADLESS_RENDER" "$workdir/$name.level" "$script" "$workdir/$name.ppm" >"$workdir/$name.messages" \
        || { fail "headless-render failed for the $name state"; return 1; }
}
# window_shows NAME SECONDS: sends the input still queued and polls until the
# window equals NAME.ppm pixel for pixel; the last look is NAME.shot.ppm and the
# number of pixels it differs in WINDOW_DIFFERENCE.
WINDOW_DIFFERENCE=""
window_shows() {
    send_input
    WINDOW_DIFFERENCE=$("$X_WINDOW_MATCHES" "$window" "$workdir/$1.ppm" $(( $2 * 1000 )) "$workdir/$1.shot.ppm")
}
window_matches_render() {
    local name=$1
    stage_done "$name"
    render "$name" || return
    window_shows "$name" 10 && return
    fail "the $name window differs from the headless render: $WINDOW_DIFFERENCE pixels"
    /usr/bin/compare "$workdir/$name.shot.ppm" "$workdir/$name.ppm" "$workdir/$name.difference.png" 2>/dev/null
}

start_xvfb || exit 1
# The pointer waits outside the window's place, so entering it is one movement.
xdotool mousemove 0 0
( cd "$workdir/real" && exec "$EDITOR_BINARY" 2>"$workdir/editor.stderr" ) &
editor_pid=$!
window=$(wait_for_window 'Tarnhold' 15) || { fail "no editor window appeared"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
wait_for_pixel "$window" 5 5 "45,50,46" 10 || fail "the first frame never showed"

script="$workdir/walk.script"
# The window takes the input focus as it opens, which starts its frames.
echo "activate" >"$script"
# The pointer and button input waits in one xdotool command line until the
# walk looks at the window or does something else: one process for many steps.
pointer=""
queued_input=()
send_input() {
    [ "${#queued_input[@]}" -eq 0 ] && return
    xdotool "${queued_input[@]}"
    queued_input=()
}
move() {
    [ "$pointer" != "$1 $2" ] || { fail "move to $1,$2 twice in a row would give the window no event"; return; }
    pointer="$1 $2"
    echo "move $1 $2" >>"$script"
    queued_input+=(mousemove --sync $((X + $1)) $((Y + $2)))
}
down() { echo "down $pointer left" >>"$script"; queued_input+=(mousedown 1); }
up() { echo "up $pointer left" >>"$script"; queued_input+=(mouseup 1); }

# click ID [TIMES]: presses control ID at its centre (the pointer stays when it
# is there already) and applies the control's rule to the model.
click() {
    local id=$1 times=${2:-1} point
    point=$(control_centre "$id") || { fail "no rectangle for control $id"; return; }
    [ "$pointer" = "$point" ] || move $point
    for ((; times > 0; times--)); do
        down
        up
        model_click "$id"
    done
}

# park: the pointer to a place beside every control, where it lights none.
park() { [ "$pointer" = "655 680" ] || move 655 680; }

# save_answering_ok: "保存修改地图" opens the notice, answered with Return. The
# button's release falls into the box, which drops it; the editor learns of it
# as the box closes.
save_answering_ok() {
    local point
    point=$(control_centre 49)
    [ "$pointer" = "$point" ] || move $point
    echo "down $pointer left" >>"$script"
    echo "answer ok" >>"$script"
    echo "unseen up $pointer left" >>"$script"
    send_input
    xdotool click 1
    local box
    box=$(wait_for_window "$MESSAGE_BOX_TITLE" 10) || { fail "no message box after saving"; return; }
    answer_message_box "$box" Return || fail "the message box did not close on Return"
}

# hold KEY NAME: holds KEY until the window shows what the headless editor
# shows with the key held long enough to reach its end (the thumb at the end of
# its track, the zoom at its limit), then lets go. A tap could fall between two
# keyboard polls; a key held until its effect is seen cannot.
hold() {
    local key=$1 name=$2
    stage_done "$name"
    printf 'keydown %s\nwait 4000\nkeyup %s\n' "$key" "$key" >>"$script"
    render "$name" || return
    send_input
    xdotool keydown "$key"
    HELD_KEY=$key
    window_shows "$name" 10 || fail "holding $key: the window differs from the headless render: $WINDOW_DIFFERENCE pixels"
    xdotool keyup "$key"
    HELD_KEY=""
    model_hold "$key"
    local found
    found=$(check_thumbs "$workdir/$name.ppm") || fail "after holding $key $found"
}

# ------------------------------------------------------------------ the walk

# ">" up to the level, "载入地图".
for ((n = 1; n < level; n++)); do click 9; done
click 10
window_matches_render loaded

# Hover the factory (the hover follows one movement late, so two movements
# inside its cell), press and release: it is selected.
move $((factory_column * 10 + 4)) $((factory_row * 10 + 4))
move $((factory_column * 10 + 5)) $((factory_row * 10 + 5))
down
up
model_select_factory

# Kind down twice and up twice: back to the factory's kind with that kind's
# defaults (a light or medium factory passes the main base on the way, which
# takes a neutral side to 0).
click 51 2
click 52 2
click 22 2                  # side
click 20
click 46 3                  # health -10
click 23                    # health -1
click 25 2                  # health +1
click 47                    # health +10
click 28                    # satellite protection
click 32 3                  # research levels available
click 35 4                  # researched, the last one held by the available ones
click 30                    # one available less pulls the researched down
click 33
click 36 2                  # produced items: level 1 two families on,
click 37                    # level 2 one,
click 38 5                  # level 3 round the five families
click 41                    # weight classes under the icons
click 42 2
click 43 3
window_matches_render building

click 50                    # "地图信息详细编辑科技树...."
click 56                    # credits of side 0 down a hundred,
click 58 2                  # up two
click 61                    # credits of side 1 up
click 64                    # research points
click 65 2
click 70 2                  # air forces of both sides
click 71
click 82
click 86
click 94
click 95
# Toggles: each clicked once, so a click that reaches a neighbour's value shows.
click 100                   # towers side 0 may build,
click 103
click 107                   # and side 1
click 98                    # the PVT switch of side 0
# "时间" until the limit is on (one press, or two when the level had it on),
for ((n = 0; n < 2 && M[limitOn] != 1; n++)); do click 110; done
click 111 2                 # its type
click 112                   # and time
click 114 3
click 128 2                 # start position
click 126
click 129
click 131 3
park
window_matches_render information

# Help: pages one, two, one, two, and back to the map-information page.
click 122
click 124
window_matches_render help
# Page 2 has no text: above the bottom bar only the background shows.
[ "$(/usr/bin/convert "$workdir/help.ppm" -crop 940x660+0+0 -unique-colors -format '%w' info:)" = 1 ] \
    || fail "the second help page is not empty above the bottom bar"
click 123
click 124
click 122
park
window_matches_render returned
cmp -s "$workdir/returned.shot.ppm" "$workdir/information.shot.ppm" \
    || fail "leaving help did not come back to the map-information page as it was"
found=$(check_thumbs "$workdir/returned.ppm") || fail "on the map-information page $found"

# Back to the object page; scroll and zoom with held keys.
click 50
hold Right scrolled_right
hold Down scrolled_down
hold KP_Add zoomed_in
hold Left scrolled_left
hold KP_Subtract zoomed_out

save_answering_ok
window_matches_render saved
[ "$(cat "$workdir/saved.messages")" = "message: 是否保存" ] \
    || fail "the headless editor showed: $(cat "$workdir/saved.messages")"

# The files hold what the clicks make of the original values, and what the
# headless editor saved after the same input.
model_write_expected "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/expected.map" "$workdir/expected.edt"
for file in map edt; do
    ! cmp -s "$workdir/demo/$base.$file" "$workdir/expected.$file" || fail "the walk expects no change to $base.$file"
done
# differences EXPECTED SAVED: the first few differing offsets (from 0) as
# "offset: saved, not expected", or the size difference.
differences() {
    [ "$(stat -c %s "$1")" = "$(stat -c %s "$2")" ] || { echo "$(stat -c %s "$2") bytes, not $(stat -c %s "$1")"; return; }
    local offset want got list=""
    while read -r offset want got; do list+=" $((offset - 1)): $((8#$got)), not $((8#$want));"; done \
        < <(cmp -l "$1" "$2" | head -n 6)
    echo "${list# }"
}
for file in map edt; do
    cmp -s "$workdir/expected.$file" "$workdir/real/$base.$file" \
        || fail "the saved $base.$file differs from the expected bytes at offset $(differences "$workdir/expected.$file" "$workdir/real/$base.$file")"
    cmp -s "$workdir/real/$base.$file" "$workdir/saved.level/$base.$file" \
        || fail "the window and the headless editor saved different $base.$file"
done

send_input
close_window "$window"
wait_for_exit "$editor_pid" 10 || fail "the editor did not exit after closing"
[ "$EXIT_CODE" = 0 ] || fail "exit code '$EXIT_CODE', not 0: $(head -c 400 "$workdir/editor.stderr")"
editor_pid=""

echo "editing walk took $(( $(now_ms) - started )) ms (stages reached, ms from the start:$stage_times)"
[ "$failures" -eq 0 ] && echo "editing walk test passed"
exit "$failures"
