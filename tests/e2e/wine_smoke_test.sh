#!/usr/bin/env bash
# The Windows build under wine in a virtual X display. The .exe starts in a Levels
# folder holding one demo level, opens a window centred on the screen with a 940 by
# 695 client area showing exactly the first frame the headless build renders, and
# stays idle. Driven through the level buttons and "载入地图", it shows the level as
# the headless build does after the same input; a unit dragged and the level saved
# with "保存修改地图", then at once a building dragged and the level saved again, it
# writes the bytes the Linux build writes; Ctrl+Z undoes both drags and Ctrl+S then
# writes what a save right after loading writes; closed, it exits with code 0.
# Started again with --scale 2 and a folder to work in, it shows every pixel as a 2
# by 2 block and takes clicks where they land at scale 1. Its message boxes show
# their Chinese captions and answer OK to Return and Cancel to Escape, and its
# durable replace of a file keeps the old file whenever a step fails. Its bitmap
# resources are the pictures the other builds embed.
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
# Large enough for the window at scale 2.
X_SCREEN_WIDTH=2560 X_SCREEN_HEIGHT=1600
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

# The editor, in a Levels folder holding one demo level; the headless editor gets
# a copy of its own. Level 3's .edt holds bytes 0x1A, where a file opened in text
# mode on Windows would end.
level=3
base=$(printf 'M%02d' "$level")
"${DEMO_LEVEL_GENERATOR:?}" "$workdir/demo" >/dev/null || { echo "FAIL: the demo levels were not written"; exit 1; }
od -An -v -tx1 "$workdir/demo/$base.edt" | grep -qw 1a || { echo "FAIL: the demo $base.edt holds no byte 0x1A"; exit 1; }
"${LEVEL_PROBES:?}" "$workdir/demo" "$level" >"$workdir/probes" || { echo "FAIL: no probes for $base"; exit 1; }
read -r _ _ from_x from_y to_x to_y < <(grep '^drag ' "$workdir/probes")
read -r _ building building_x building_y building_to_x building_to_y slot_x slot_y \
    < <(grep '^drag-building ' "$workdir/probes")
[ -n "${to_y:-}" ] && [ -n "${slot_y:-}" ] || { echo "FAIL: $base has no unit and no building to drag"; exit 1; }
for folder in Levels headless; do
    mkdir "$workdir/$folder" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/$folder/" || exit 1
done
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
client_left=$((X + FRAME)) client_top=$((Y + FRAME + CAPTION))
client_width=$((WIDTH - 2 * FRAME))
client_height=$((HEIGHT - 2 * FRAME - CAPTION))
[ "$client_width" = 940 ] && [ "$client_height" = 695 ] \
    || fail "client area is ${client_width}x${client_height} (window ${WIDTH}x${HEIGHT}), not 940x695"
[ "$X" = $(( (X_SCREEN_WIDTH - WIDTH) / 2 )) ] && [ "$Y" = $(( (X_SCREEN_HEIGHT - HEIGHT) / 2 )) ] \
    || fail "window at $X,$Y is not centred"
name=$(xdotool getwindowname "$window")
[ "$name" = "Tarnhold地图编辑器（国外版）" ] || fail "window title is '$name'"

# The client area, pixel for pixel, is the headless first frame.
point_at $((client_left + POINTER_X)) $((client_top + POINTER_Y))
shot="$workdir/window.png"
client_area="940x695+$FRAME+$((FRAME + CAPTION))"
if ! window_equals "$window" "$shot" "$workdir/expected.ppm" "$client_area"; then
    fail "$DIFFERING pixels of the client area differ from the headless first frame"
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

# From here on every input goes to the window and, as a line of this script, to
# headless-render, which replays it on a copy of the level. The pointer is on its
# client point already.
script="$workdir/input.script"
echo "move $POINTER_X $POINTER_Y" >"$script"
last_move="$POINTER_X $POINTER_Y"
move() {
    [ "$last_move" != "$1 $2" ] || { fail "move to $1,$2 twice in a row would give the window no event"; return; }
    last_move="$1 $2"
    echo "move $1 $2" >>"$script"
    xdotool mousemove --sync $((client_left + $1)) $((client_top + $2))
}
down() { echo "down $last_move left" >>"$script"; xdotool mousedown 1; }
up() { echo "up $last_move left" >>"$script"; xdotool mouseup 1; }
press() { move "$1" "$2"; down; up; }

# client_matches NAME: polls until the window's client area (NAME.png) equals
# the headless render NAME.ppm pixel for pixel; DIFFERING says by how many pixels
# it last differed. A failed match leaves the screenshot in the Windows build.
client_matches() {
    window_equals "$window" "$workdir/$1.png" "$workdir/$1.ppm" "$client_area" && return 0
    cp "$workdir/$1.png" "$WINDOWS_BUILD/wine-smoke-$1.png" 2>/dev/null
    return 1
}

# ">", ">", "<", ">" and "载入地图": level 3 comes up.
press 85 680
press 80 675
press 15 680
press 85 680
press 160 680
cp "$script" "$workdir/load.script"
"${HEADLESS_RENDER:?}" "$workdir/headless" "$script" "$workdir/loaded.ppm" >/dev/null \
    || { echo "FAIL: headless-render failed for the loaded level"; exit 1; }
client_matches loaded || fail "$DIFFERING pixels of the loaded level differ from the headless render"
# The terrain probes: the colour the level's records give, in the headless
# render and in the window.
probe_points=() probe_colours=() format=""
while read -r _ x y colour _; do
    probe_points+=("$x,$y") probe_colours+=("$colour")
    format+="%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],%[fx:int(255*p{$x,$y}.b+0.5)] "
done < <(grep '^probe .* terrain shade ' "$workdir/probes")
[ "${#probe_points[@]}" -gt 0 ] || fail "no terrain probes of $base"
for picture in loaded.ppm loaded.png; do
    read -r -a seen < <(/usr/bin/convert "$workdir/$picture" -format "$format\n" info: 2>/dev/null)
    for i in "${!probe_points[@]}"; do
        [ "${seen[$i]:-none}" = "${probe_colours[$i]}" ] \
            || fail "terrain pixel ${probe_points[$i]} of $picture is ${seen[$i]:-unread}, not ${probe_colours[$i]}"
    done
done
echo "level $base shown after $(elapsed) ms"

# Drag a unit to a free cell (the hover follows one movement late, so two
# movements inside its cell), so that the save has something to write.
cell_point() { echo $(( $1 * 10 + $3 )) $(( $2 * 10 + $3 )); }
# move_once_shown X Y: a movement that must reach the window as one of its own.
# Windows folds the movements a busy program has not taken yet into one, so it
# follows only once the window shows the input so far (the headless render of
# the script, on a copy of the level).
move_once_shown() {
    rm -rf "$workdir/shown" && mkdir "$workdir/shown" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/shown/"
    "$HEADLESS_RENDER" "$workdir/shown" "$script" "$workdir/shown.ppm" >/dev/null \
        && client_matches shown || fail "the window did not show the input before the move to $1,$2: $DIFFERING pixels differ"
    move "$1" "$2"
}
# hover_cell COLUMN ROW: the two movements inside the cell that make the editor
# hover what stands there.
hover_cell() {
    move $(cell_point "$1" "$2" 4)
    move_once_shown $(cell_point "$1" "$2" 5)
}
hover_cell "$from_x" "$from_y"
down
move $(cell_point "$to_x" "$to_y" 5)
up

# save_answering_return: "保存修改地图", whose notice is answered with Return. The
# level is written before the notice comes up. The button's release falls into
# the notice, which drops it, and the keyboard follows the pointer onto the
# notice; the editor learns where both went as the notice closes.
save_answering_return() {
    [ "$last_move" = "870 680" ] || move 870 680
    echo "down $last_move left" >>"$script"
    echo "answer ok" >>"$script"
    xdotool mousedown 1
    local box X Y WIDTH HEIGHT SCREEN
    if ! box=$(wait_for_window "$MESSAGE_BOX_TITLE" 10); then
        xdotool mouseup 1
        fail "no notice after the save"
        return
    fi
    xdotool mouseup 1
    echo "unseen up $last_move left" >>"$script"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    point_at $((X + WIDTH / 2)) $((Y + 10))
    last_move="$((X + WIDTH / 2 - client_left)) $((Y + 10 - client_top))"
    echo "unseen move $last_move" >>"$script"
    xdotool key Return
    local deadline=$(( $(date +%s) + 10 ))
    while message_box_up "$box" && [ "$(date +%s)" -le "$deadline" ]; do sleep 0.05; done
    ! message_box_up "$box" || fail "the save notice did not close on Return"
}
save_answering_return
# Straight after the notice, as a modder goes on: hover a building (two
# movements inside its top-left cell), drag it by that cell, and save again.
# Back from the notice the window may or may not learn where the pointer went;
# the two movements settle the hover either way. The first press must take it.
hover_cell "$building_x" "$building_y"
down
move $(cell_point "$building_to_x" "$building_to_y" 5)
up
save_answering_return
# Two movements beside every control settle the hover again.
move 655 680
move_once_shown 656 680
record=$(( 376 + 76 * (building - 1) ))
read -r saved_x saved_y < <(od -An -td4 -j $((record + 64)) -N 8 "$workdir/Levels/$base.edt")
[ "${saved_x:-}/${saved_y:-}" = "$slot_x/$slot_y" ] \
    || fail "building $building saved with x ${saved_x:-none} and y ${saved_y:-none}, not $slot_x and $slot_y:" \
            "the press after the notice did not drag it"
"$HEADLESS_RENDER" "$workdir/headless" "$script" "$workdir/saved.ppm" >"$workdir/saved.messages" \
    || fail "headless-render failed for the saved level"
[ "$(cat "$workdir/saved.messages")" = "$(printf 'message: 是否保存\nmessage: 是否保存')" ] \
    || fail "the headless editor showed: $(cat "$workdir/saved.messages")"
# The headless editor saved the moved objects; the .exe saved the same bytes.
cmp -s "$workdir/demo/$base.edt" "$workdir/headless/$base.edt" \
    && fail "the headless editor's saved $base.edt still equals the demo level's"
for file in "$base.map" "$base.edt"; do
    cmp -s "$workdir/Levels/$file" "$workdir/headless/$file" \
        || fail "the .exe and the headless editor saved different $file: $(cmp "$workdir/Levels/$file" "$workdir/headless/$file" 2>&1)"
done
client_matches saved || fail "$DIFFERING pixels of the window after the save differ from the headless render"
echo "level saved after $(elapsed) ms"

# Ctrl+Z twice puts the building and the unit back and Ctrl+S saves, with the
# same notice: the files are then what a save right after loading writes. The
# keyboard follows the pointer, which is over the window.
printf 'key ctrl+z\nkey ctrl+z\nkey ctrl+s\nanswer ok\n' >>"$script"
xdotool key ctrl+z ctrl+z ctrl+s
if box=$(wait_for_window "$MESSAGE_BOX_TITLE" 10); then
    eval "$(xdotool getwindowgeometry --shell "$box")"
    point_at $((X + WIDTH / 2)) $((Y + 10))
    last_move="$((X + WIDTH / 2 - client_left)) $((Y + 10 - client_top))"
    echo "unseen move $last_move" >>"$script"
    xdotool key Return
    deadline=$(( $(date +%s) + 10 ))
    while message_box_up "$box" && [ "$(date +%s)" -le "$deadline" ]; do sleep 0.05; done
    ! message_box_up "$box" || fail "the notice after Ctrl+S did not close on Return"
else
    fail "no notice after Ctrl+S"
fi
# Back from the notice, two movements in the unit's own cell settle the hover.
hover_cell "$from_x" "$from_y"
printf 'move 870 680\ndown 870 680 left\nanswer ok\n' | cat "$workdir/load.script" - >"$workdir/fresh.script"
mkdir -p "$workdir/fresh"
for folder in fresh headless; do cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/$folder/"; done
"$HEADLESS_RENDER" "$workdir/fresh" "$workdir/fresh.script" "$workdir/fresh.ppm" >/dev/null
"$HEADLESS_RENDER" "$workdir/headless" "$script" "$workdir/undone.ppm" >/dev/null
for file in "$base.map" "$base.edt"; do
    cmp -s "$workdir/Levels/$file" "$workdir/fresh/$file" \
        || fail "after Ctrl+Z, Ctrl+S wrote a $file other than a save right after loading"
done
client_matches undone || fail "$DIFFERING pixels of the window after Ctrl+Z and Ctrl+S differ from the headless render"
echo "undone and saved again after $(elapsed) ms"

close_window "$window"
if wait_for_exit "$program_pid" 15; then
    [ "$EXIT_CODE" = 0 ] || fail "the editor's exit code is '$EXIT_CODE', not 0"
else
    # Ended here, so that its windows cannot stand in for the boxes checked next.
    fail "the editor did not exit after its window was closed"
    kill "$program_pid" 2>/dev/null
    wait_for_exit "$program_pid" 10
fi
program_pid=""
echo "editor closed after $(elapsed) ms"

# At --scale 2, given a folder with a Chinese name to work in: a 1880 by 1390
# client area equal to the headless render with every pixel doubled, after ">"
# twice and "载入地图" pressed at twice their places load level 3 from that folder.
mkdir "$workdir/关卡" "$workdir/scaled" || exit 1
cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/关卡/" && cp "$workdir/demo/$base".* "$workdir/scaled/"
xdotool mousemove --sync 0 0
( cd "$workdir" && exec wine "$editor" --scale 2 关卡 ) &
program_pid=$!
if window=$(wait_for_window 'Tarnhold' 30); then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    client_left=$((X + FRAME)) client_top=$((Y + FRAME + CAPTION))
    [ "$((WIDTH - 2 * FRAME))x$((HEIGHT - 2 * FRAME - CAPTION))" = 1880x1390 ] \
        || fail "at --scale 2 the window is ${WIDTH}x${HEIGHT}, not a 1880x1390 client area"
    : >"$workdir/scaled.script"
    for point in "$POINTER_X $POINTER_Y" "85 680 click" "80 675 click" "160 680 click"; do
        set -- $point
        echo "move $1 $2" >>"$workdir/scaled.script"
        xdotool mousemove --sync $((client_left + 2 * $1 + 1)) $((client_top + 2 * $2 + 1))
        [ -n "${3:-}" ] || continue
        printf 'down %s %s left\nup %s %s left\n' "$1" "$2" "$1" "$2" >>"$workdir/scaled.script"
        xdotool click 1
    done
    "$HEADLESS_RENDER" "$workdir/scaled" "$workdir/scaled.script" "$workdir/scaled.ppm" >/dev/null \
        && /usr/bin/convert "$workdir/scaled.ppm" -sample 200% "$workdir/scaled-twice.ppm" \
        || fail "headless-render failed for the scaled window"
    window_equals "$window" "$shot" "$workdir/scaled-twice.ppm" "1880x1390+$FRAME+$((FRAME + CAPTION))" \
        || { fail "$DIFFERING pixels of the window at --scale 2 differ"; cp "$shot" "$WINDOWS_BUILD/wine-smoke-scaled.png"; }
    close_window "$window"
else
    fail "no editor window appeared at --scale 2"
fi
wait_for_exit "$program_pid" 15 && [ "$EXIT_CODE" = 0 ] || fail "the scaled editor did not exit with code 0"
kill "$program_pid" 2>/dev/null
program_pid=""
echo "scaled window checked after $(elapsed) ms"

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
