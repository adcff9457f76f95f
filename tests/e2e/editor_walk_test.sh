#!/usr/bin/env bash
# A walk through the real editor window on a demo level: pick level 2 and load it,
# check the terrain, objects and grid it draws against the level's own records,
# drag a unit to another cell, save, check the bytes written, then at once drag a
# building and save again; and compare the window with the headless render of the
# same input, pixel for pixel. Then the keys and the wheel: Ctrl+Z and Ctrl+Y on
# the drags, Delete on a selected unit, delete all and undo back to the loaded
# level, whose Ctrl+S writes what a save right after loading writes, and the wheel
# scrolling down and, with Shift, right.
#
# Every input goes through step functions that drive the window with xdotool and
# write the same input to a script for headless-render, so the two see one
# sequence of events.
. "${PROJECT_ROOT:?}/tests/e2e/walk_session.sh"

level=2
base=$(printf 'M%02d' "$level")
"$DEMO_LEVEL_GENERATOR" "$workdir/demo" >/dev/null || { fail "the demo levels were not written"; exit 1; }
mkdir "$workdir/real" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/real/" || exit 1
"$LEVEL_PROBES" "$workdir/demo" "$level" >"$workdir/probes" || { fail "no probes for $base"; exit 1; }
read -r _ building_count _ < <(grep '^counts ' "$workdir/probes")
read -r _ unit from_x from_y to_x to_y < <(grep '^drag ' "$workdir/probes")

# check_probes PICTURE KIND: every "KIND X Y R,G,B WHAT" line of the probes
# against the picture, all read by one convert.
check_probes() {
    local picture=$1 kind=$2 format="" x y want what
    while read -r _ x y _; do format+="%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],%[fx:int(255*p{$x,$y}.b+0.5)] "
    done < <(grep "^$kind " "$workdir/probes")
    local seen=($(/usr/bin/convert "$picture" -format "$format" info:)) i=0
    while read -r _ x y want what; do
        [ "${seen[$i]:-none}" = "$want" ] || fail "pixel $x,$y ($what) is ${seen[$i]:-unreadable}, not $want"
        i=$((i + 1))
    done < <(grep "^$kind " "$workdir/probes")
    [ "$i" -gt 0 ] || fail "no $kind probes"
}

# window_matches_render NAME: renders the script so far without a window and polls
# until a screenshot of the window (NAME.png) equals it (NAME.ppm) pixel for pixel;
# the window may still be repainting after a box has gone.
window_matches_render() {
    local name=$1
    mkdir -p "$workdir/$name.level" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/$name.level/"
    "$HEADLESS_RENDER" "$workdir/$name.level" "$script" "$workdir/$name.ppm" >"$workdir/$name.messages" \
        || { fail "headless-render failed for the $name state"; return; }
    window_equals "$window" "$workdir/$name.png" "$workdir/$name.ppm" && return
    fail "the $name window differs from the headless render: $DIFFERING pixels"
    /usr/bin/compare "$workdir/$name.png" "$workdir/$name.ppm" "$workdir/$name.difference.png" 2>/dev/null
}

start_xvfb || exit 1
# The pointer waits outside the window's place, so entering it is one movement.
xdotool mousemove 0 0
( cd "$workdir/real" && exec "$EDITOR_BINARY" ) &
editor_pid=$!
window=$(wait_for_window 'Tarnhold' 15) || { fail "no editor window appeared"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
# Before a level is loaded the map view's cells show the background.
wait_for_pixel "$window" 5 5 "45,50,46" 10 || fail "the first frame never showed"

script="$workdir/walk.script"
: >"$script"
last_move=""
move() {
    [ "$last_move" != "$1 $2" ] || { fail "move to $1,$2 twice in a row would give the window no event"; return; }
    last_move="$1 $2"
    echo "move $1 $2" >>"$script"
    xdotool mousemove --sync $((X + $1)) $((Y + $2))
}
down() { echo "down $last_move left" >>"$script"; xdotool mousedown 1; }
up() { echo "up $last_move left" >>"$script"; xdotool mouseup 1; }
press() { move "$1" "$2"; down; up; }

# press_answering_ok X Y: a press that opens a message box, answered with Return.
# The button's release falls into the box, which drops it; the editor learns of
# it as the box closes.
press_answering_ok() {
    move "$1" "$2"
    echo "down $last_move left" >>"$script"
    echo "answer ok" >>"$script"
    echo "unseen up $last_move left" >>"$script"
    xdotool click 1
    local box
    box=$(wait_for_window "$MESSAGE_BOX_TITLE" 10) || { fail "no message box after the press at $1,$2"; return; }
    answer_message_box "$box" Return || fail "the message box did not close on Return"
}

# cell_point COLUMN ROW OFFSET: the pixel OFFSET right and down from the cell's
# corner, at the cell size and scroll a level loads with.
cell_point() { echo $(( $1 * 10 + $3 )) $(( $2 * 10 + $3 )); }

# ">" then "载入地图": level 2 comes up.
press 85 680
press 160 680
first_probe=$(grep -m1 '^probe ' "$workdir/probes")
set -- $first_probe
wait_for_pixel "$window" "$2" "$3" "$4" 10 || fail "level $level was not drawn"
window_matches_render loaded
check_probes "$workdir/loaded.png" probe
cp "$script" "$workdir/load.script"

# Hover the unit (the hover follows one movement late, so two movements inside
# its cell), press, drag it to its new cell, release.
move $(cell_point "$from_x" "$from_y" 4)
move $(cell_point "$from_x" "$from_y" 5)
down
move $(cell_point "$to_x" "$to_y" 5)
up

# "保存修改地图", and the notice answered.
press_answering_ok 870 680

# The unit's record holds its new cell's centre; nothing else of the level changed.
record=$(( 376 + 76 * building_count + 20 * (unit - 1) ))
read -r -a bytes < <(od -An -v -w20 -tu1 -j "$record" -N 20 "$workdir/real/$base.edt")
[ "${bytes[0]:-}" = 224 ] || fail "no unit record at offset $record of the saved $base.edt"
pixel_x=$(( bytes[12] + 256 * bytes[13] )) pixel_y=$(( bytes[16] + 256 * bytes[17] ))
[ "$pixel_x,$pixel_y" = "$((to_x * 32 + 16)),$((to_y * 32 + 16))" ] \
    || fail "unit $unit saved at pixels $pixel_x,$pixel_y, not at cell $to_x,$to_y"
# only_changed ORIGINAL SAVED OFFSET...: the files have one size and differ at
# most at the given (0-based) offsets.
only_changed() {
    local original=$1 saved=$2 offset
    shift 2
    [ "$(stat -c %s "$original")" = "$(stat -c %s "$saved")" ] || { fail "$saved changed its size"; return; }
    while read -r offset _; do
        [[ " $* " == *" $((offset - 1)) "* ]] || fail "$saved changed at offset $((offset - 1))"
    done < <(cmp -l "$original" "$saved")
}
only_changed "$workdir/demo/$base.edt" "$workdir/real/$base.edt" \
    $((record + 12)) $((record + 13)) $((record + 16)) $((record + 17))
only_changed "$workdir/demo/$base.map" "$workdir/real/$base.map" 5 6 9 10

# The same input without a window: the same picture, the same message, the
# same files.
window_matches_render saved
[ "$(cat "$workdir/saved.messages")" = "message: 是否保存" ] \
    || fail "the headless editor showed: $(cat "$workdir/saved.messages")"
for file in "$base.map" "$base.edt"; do
    cmp -s "$workdir/real/$file" "$workdir/saved.level/$file" || fail "the window and the headless editor saved different $file"
done
check_probes "$workdir/saved.png" moved

# Straight after the notice, as a modder goes on: hover a building (two
# movements inside its top-left cell), drag it by that cell, and save again. The
# first press must take it.
read -r _ building building_x building_y building_to_x building_to_y slot_x slot_y \
    < <(grep '^drag-building ' "$workdir/probes")
move $(cell_point "$building_x" "$building_y" 4)
move $(cell_point "$building_x" "$building_y" 5)
down
move $(cell_point "$building_to_x" "$building_to_y" 5)
up
press_answering_ok 870 680
record=$(( 376 + 76 * (building - 1) ))
read -r saved_x saved_y < <(od -An -td4 -j $((record + 64)) -N 8 "$workdir/real/$base.edt")
[ "${saved_x:-}/${saved_y:-}" = "$slot_x/$slot_y" ] \
    || fail "building $building saved with x ${saved_x:-none} and y ${saved_y:-none}, not $slot_x and $slot_y:" \
            "the press after the notice did not drag it"
window_matches_render resaved
for file in "$base.map" "$base.edt"; do
    cmp -s "$workdir/real/$file" "$workdir/resaved.level/$file" \
        || fail "the window and the headless editor saved different $file the second time"
done

# key CHORD: a key pressed, as xdotool names it (ctrl+z, Delete).
key() { echo "key $1" >>"$script"; xdotool key "$1"; }
# Undo and redo: the unit, selected again by a press that moves nothing (which
# makes no step), and the building back on their cells, and the unit on its new
# one again.
move $(cell_point "$to_x" "$to_y" 4)
move $(cell_point "$to_x" "$to_y" 5)
down
up
key ctrl+z
key ctrl+z
window_matches_render undone
check_probes "$workdir/undone.png" probe
key ctrl+y
window_matches_render redone
check_probes "$workdir/redone.png" moved

# Delete on another unit, selected by a press: its cell no longer shows it.
read -r _ at_x at_y colour _ _ _ _ _ _ _ cell < <(grep '^probe .* unit .* at cell ' "$workdir/probes" \
    | grep -v "cell $from_x,$from_y\$" | head -n 1)
move $(cell_point "${cell%,*}" "${cell#*,}" 4)
move $(cell_point "${cell%,*}" "${cell#*,}" 5)
down
up
key Delete
window_matches_render deleted
[ "$(pixel_of "$workdir/deleted.png" "$at_x" "$at_y")" != "$colour" ] \
    || fail "the unit at cell $cell still shows after Delete"

# "删除一切单位.", then Ctrl+Z for it, the Delete and the drag, and once more for
# nothing: Ctrl+S then writes what a save right after loading writes.
press 740 680
for n in 1 2 3 4; do key ctrl+z; done
printf 'key ctrl+s\nanswer ok\n' >>"$script"
xdotool key ctrl+s
box=$(wait_for_window "$MESSAGE_BOX_TITLE" 10) && answer_message_box "$box" Return \
    || fail "no notice closed after Ctrl+S"
window_matches_render undone_saved
printf 'move 870 680\ndown 870 680 left\nanswer ok\n' | cat "$workdir/load.script" - >"$workdir/fresh.script"
mkdir "$workdir/fresh.level" && cp "$workdir/demo/$base.map" "$workdir/demo/$base.edt" "$workdir/fresh.level/"
"$HEADLESS_RENDER" "$workdir/fresh.level" "$workdir/fresh.script" "$workdir/fresh.ppm" >/dev/null
for file in "$base.map" "$base.edt"; do
    cmp -s "$workdir/real/$file" "$workdir/fresh.level/$file" \
        || fail "Ctrl+S wrote a $file other than a save right after loading"
done

# Ctrl with two notches up zooms in twice, so the level outgrows the view; a notch
# down moves the vertical thumb 30 pixels down, and with Shift the horizontal one right.
printf 'wheel ctrl+up\nwheel ctrl+up\nwheel down\nwheel shift+down\n' >>"$script"
xdotool keydown ctrl click 4 click 4 keyup ctrl click 5 keydown shift click 5 keyup shift
window_matches_render wheeled
grey() { [ "$(pixel_of "$workdir/wheeled.png" "$1" "$2")" = 64,64,64 ]; }
grey 655 29 && ! grey 655 30 || fail "a notch down did not move the vertical thumb to 30"
grey 29 655 && ! grey 30 655 || fail "Shift with a notch down did not move the horizontal thumb to 30"

close_window "$window"
wait_for_exit "$editor_pid" 10 || fail "the editor did not exit after closing"
[ "$EXIT_CODE" = 0 ] || fail "exit code '$EXIT_CODE', not 0"
editor_pid=""

echo "walk took $(( $(now_ms) - started )) ms"
[ "$failures" -eq 0 ] && echo "editor walk test passed"
exit "$failures"
