# Helpers for driving the editor's real window under a virtual X display.
# Sourced by ./run and the end-to-end tests. Every wait is a bounded poll.

XVFB_PID=""
X_SCREEN_WIDTH=1280
X_SCREEN_HEIGHT=1024

# Starts Xvfb on a free display number and exports DISPLAY. Xvfb picks the number
# itself (-displayfd) by taking the socket, so two sessions starting at once can
# never share one server. The server never resets: a reset, as its last client
# leaves, would drop a client connecting at that moment (every test starts a
# program right after an xdotool has gone) and the X resources a test has set.
start_xvfb() {
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "${X_SCREEN_WIDTH}x${X_SCREEN_HEIGHT}x24" -nolisten tcp \
        3>"$numberFile" >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries number=""
    for tries in $(seq 1 200); do
        number=$(tr -dc '0-9' <"$numberFile")
        if [ -n "$number" ] && xdpyinfo -display ":$number" >/dev/null 2>&1; then
            rm -f "$numberFile"
            export DISPLAY=":$number"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$numberFile"
    stop_xvfb
    echo "could not start a virtual X display" >&2
    return 1
}

# set_x_resources TEXT: the X resources desktops set, such as "Xft.dpi: 192".
set_x_resources() { xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$1"; }

stop_xvfb() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

# wait_for_window NAME_REGEX [SECONDS]: prints the id of the first visible window
# whose title matches.
wait_for_window() {
    local pattern=$1 limit=${2:-10} id
    local deadline=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
    while [ $(( $(date +%s%N) / 1000000 )) -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.05
    done
    return 1
}

# wait_for_exit PID [SECONDS]: waits for a child process of this shell to end and
# sets EXIT_CODE (not a command substitution: only this shell can wait for its child).
EXIT_CODE=""
wait_for_exit() {
    local pid=$1 limit=${2:-10} i
    EXIT_CODE=""
    for i in $(seq 1 $(( limit * 20 ))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"; EXIT_CODE=$?; return 0
        fi
        sleep 0.05
    done
    return 1
}

# window_png WINDOW_ID FILE: the window's pixels as a PNG.
window_png() { /usr/bin/import -silent -window "$1" "png:$2"; }

# pixel_of FILE X Y: prints "R,G,B".
pixel_of() {
    /usr/bin/convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# wait_for_pixel WINDOW_ID X Y "R,G,B" [SECONDS]: until the window shows that colour there.
wait_for_pixel() {
    local window=$1 x=$2 y=$3 want=$4 limit=${5:-10} shot
    shot=$(mktemp --suffix=.png)
    local deadline=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
    while [ $(( $(date +%s%N) / 1000000 )) -lt "$deadline" ]; do
        if window_png "$window" "$shot" 2>/dev/null && [ "$(pixel_of "$shot" "$x" "$y")" = "$want" ]; then
            rm -f "$shot"; return 0
        fi
        sleep 0.05
    done
    rm -f "$shot"
    return 1
}

# window_equals WINDOW_ID SHOT IMAGE [CROP] [SECONDS]: until a screenshot of the
# window, saved as SHOT and cut to CROP (a geometry such as 940x695+4+23) when one
# is given, equals IMAGE pixel for pixel; the window may still be repainting.
# DIFFERING says by how many pixels it last differed.
DIFFERING=""
window_equals() {
    local window=$1 shot=$2 image=$3 crop=${4:-} limit=${5:-10}
    local deadline=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
    DIFFERING="no screenshot"
    while :; do
        if window_png "$window" "$shot" 2>/dev/null \
            && { [ -z "$crop" ] || /usr/bin/convert "$shot" -crop "$crop" +repage "$shot"; }; then
            DIFFERING=$(/usr/bin/compare -metric AE "$shot" "$image" null: 2>&1)
            [ "$DIFFERING" = 0 ] && return 0
        fi
        [ $(( $(date +%s%N) / 1000000 )) -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# The editor's message boxes are captioned " 返回 "; xdotool cannot match Chinese,
# so the caption is known by its blanks.
MESSAGE_BOX_TITLE='^ .* $'

# answer_message_box BOX_ID KEY [SECONDS]: once the box has the focus, holds KEY
# down until that box has closed (another may follow it). The box reads keys as
# events, but a key held until it has gone cannot slip between two keyboard polls
# of a program either. False when the box is still up.
HELD_KEY=""
message_box_up() { xdotool search --onlyvisible --name "$MESSAGE_BOX_TITLE" 2>/dev/null | grep -qx "$1"; }
# wait_for_focus WINDOW_ID [SECONDS]: until the window has the keyboard focus.
wait_for_focus() {
    local deadline=$(( $(date +%s%N) / 1000000 + ${2:-10} * 1000 ))
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
        [ $(( $(date +%s%N) / 1000000 )) -lt "$deadline" ] || return 1
        sleep 0.02
    done
}
answer_message_box() {
    local box=$1 key=$2 limit=${3:-10}
    local deadline=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
    wait_for_focus "$box" "$limit"
    xdotool keydown "$key"
    HELD_KEY=$key
    while message_box_up "$box" && [ $(( $(date +%s%N) / 1000000 )) -lt "$deadline" ]; do sleep 0.02; done
    xdotool keyup "$key"
    HELD_KEY=""
    ! message_box_up "$box"
}

# release_held_key: for an exit trap, so no key stays down.
release_held_key() { [ -n "$HELD_KEY" ] && xdotool keyup "$HELD_KEY" 2>/dev/null; HELD_KEY=""; }

# close_window WINDOW_ID: asks the window to close as a window manager's close button would.
close_window() { "${X_CLOSE_WINDOW:?build the x-close-window helper first}" "$1"; }
