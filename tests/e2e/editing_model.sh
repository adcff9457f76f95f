# The editing walk's own record of a level and the editor's rules for the
# buttons it clicks, written from the rules rather than from the editor's code,
# so a command that does the wrong thing shows in the saved bytes. Sourced by
# editing_walk_test.sh.
#
#   control_centre ID         "X Y", the centre of control ID's rectangle
#   model_load MAP EDT N      reads the level's values, building N the one edited
#   model_select_factory      the presses that follow act on building N
#   model_click ID            what a press on control ID does to the values
#   model_hold KEY            what KEY held until it acts no more does to the
#                             zoom and the scroll thumbs
#   check_thumbs PICTURE      the thumbs of the picture where the model has them
#   model_write_expected MAP EDT OUTMAP OUTEDT
#                             the original files with the values put back

# ------------------------------------------------------------- the controls

declare -A control_rect=(
    [9]="75 670 95 690"       [10]="130 670 190 690"     [49]="810 670 930 690"
    [50]="680 5 930 25"       [51]="680 40 700 60"       [52]="870 40 890 60"
    [20]="810 70 830 90"      [22]="870 70 890 90"
    [23]="810 100 830 120"    [25]="870 100 890 120"     [46]="785 100 805 120"  [47]="895 100 915 120"
    [26]="810 130 830 150"    [28]="870 130 890 150"
    [30]="810 190 830 210"    [32]="870 190 890 210"
    [33]="810 220 830 240"    [35]="870 220 890 240"
    [98]="760 260 800 300"    [99]="810 260 850 300"
    [110]="680 580 750 600"   [111]="760 580 840 600"    [112]="850 580 870 600" [114]="910 580 930 600"
    [122]="400 670 500 690"   [123]="10 670 70 690"      [124]="860 670 920 690"
    [126]="760 610 780 630"   [128]="820 610 840 630"    [129]="850 610 870 630" [131]="910 610 930 630"
)
# The production icons and the weight-class buttons under them.
for slot in 0 1 2 3 4; do
    control_rect[$((36 + slot))]="$((680 + 50 * slot)) 280 $((720 + 50 * slot)) 320"
    control_rect[$((41 + slot))]="$((680 + 50 * slot)) 330 $((720 + 50 * slot)) 350"
done
# The value rows of the map-information page: "<", value, ">" for side 0, then
# for side 1; and the tower icons, a column per side.
for row in 0 1 2 3 4 5 6; do
    for side in 0 1; do
        first=$((56 + 6 * row + 3 * side)) left=$((745 + 95 * side)) top=$((40 + 30 * row))
        control_rect[$first]="$left $top $((left + 20)) $((top + 20))"
        control_rect[$((first + 2))]="$((left + 70)) $top $((left + 90)) $((top + 20))"
    done
done
for side in 0 1; do
    for tower in 0 1 2 3 4; do
        left=$((760 + 50 * side)) top=$((330 + 50 * tower))
        control_rect[$((100 + 5 * side + tower))]="$left $top $((left + 40)) $((top + 40))"
    done
done

control_centre() {
    local rect=${control_rect[$1]:-}
    [ -n "$rect" ] || return 1
    set -- $rect
    echo $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
}

# ------------------------------------------------------------------- values

declare -A M
edt_bytes=()
building_offset=0
building_selected=false

u8() { echo "${edt_bytes[$1]}"; }
u16() { echo $(( edt_bytes[$1] + 256 * edt_bytes[$1 + 1] )); }
# Kinds 100..105 and 107 keep their row one higher in the file.
row_shift() { case $1 in 100|101|102|103|104|105|107) echo 1 ;; *) echo 0 ;; esac; }
hit_point_factor() {
    case $1 in 25) echo 9 ;; 26) echo 12 ;; 27) echo 15 ;; 28) echo 21 ;; 29) echo 26 ;; *) echo 135 ;; esac
}
is_factory() { [ "$1" -ge 101 ] && [ "$1" -le 103 ]; }

model_load() {
    local map=$1 edt=$2 level
    edt_bytes=($(od -An -v -tu1 "$edt"))
    local map_bytes=($(od -An -v -tu1 -N 18 "$map"))
    M[columns]=${map_bytes[13]} M[rows]=${map_bytes[17]}
    M[startX]=$(( (map_bytes[5] + 256 * map_bytes[6]) / 32 ))
    M[startY]=$(( (map_bytes[9] + 256 * map_bytes[10]) / 32 ))
    local side type tower
    for side in 0 1; do
        M[credits$side]=$(u16 $((8 + 4 * side)))
        M[research$side]=$(u16 $((148 + 4 * side)))
        M[pvt$side]=$(u8 $((136 + 4 * side)))
        for type in 0 1 2 3 4; do M[air${type}_$side]=$(u8 $((20 + 12 * type + 4 * side))); done
        for tower in 0 1 2 3 4; do M[tower${tower}_$side]=$(u8 $((92 + 10 * side + tower))); done
    done
    M[limitOn]=$(u8 260) M[limitTime]=$(u8 264) M[limitType]=$(u8 268)

    building_offset=$((376 + 76 * ($3 - 1)))
    local b=$building_offset
    [ "$(u8 $b)" = 123 ] || { echo "no building record at $b of $edt" >&2; return 1; }
    M[kind]=$(u8 $((b + 4))) M[researched]=$(u8 $((b + 8)))
    for level in 1 2 3 4 5; do
        M[produced$level]=$(u8 $((b + 8 + 4 * level)))
        M[offset$level]=$(u8 $((b + 28 + 4 * level)))
    done
    M[hitPoints]=$(u16 $((b + 52))) M[side]=$(u8 $((b + 56))) M[satellite]=$(u8 $((b + 60)))
    M[x]=$(u8 $((b + 64))) M[y]=$(( $(u8 $((b + 68))) + $(row_shift "${M[kind]}") ))
    M[health]=$(u8 $((b + 72)))
    # Loading counts the levels the file fills. (The walk steps the kind before
    # anything else, which sets every production value anew.)
    M[researchable]=0
    for level in 1 2 3 4 5; do [ "${M[produced$level]}" = 0 ] || M[researchable]=$((M[researchable] + 1)); done
}

model_select_factory() { building_selected=true; }

# --------------------------------------------------- zoom and scroll thumbs

# The thumbs as left/right of the horizontal one and top/bottom of the vertical
# one, on their 640-pixel tracks.
M[cellSize]=10 M[infoMode]=0
reset_thumbs() {
    M[thumbLeft]=0 M[thumbRight]=$(( 409600 / (M[cellSize] * M[columns]) ))
    M[thumbTop]=0 M[thumbBottom]=$(( 409600 / (M[cellSize] * M[rows]) ))
}

view_click() {
    case $1 in
        10) reset_thumbs ;;
        50) M[infoMode]=$(( 1 - M[infoMode] ))
            [ "${M[infoMode]}" = 1 ] && { M[cellSize]=10; reset_thumbs; } ;;
    esac
    return 0
}

# Held until they act no more: an arrow takes its thumb to the end of the
# track, a zoom key the zoom to its limit, halving the thumbs on the way in
# and doubling them, back at the track's start, on the way out.
model_hold() {
    local length
    case $1 in
        Left) M[thumbRight]=$(( M[thumbRight] - M[thumbLeft] )) M[thumbLeft]=0 ;;
        Right) length=$(( M[thumbRight] - M[thumbLeft] )); M[thumbLeft]=$(( 640 - length )) M[thumbRight]=640 ;;
        Up) M[thumbBottom]=$(( M[thumbBottom] - M[thumbTop] )) M[thumbTop]=0 ;;
        Down) length=$(( M[thumbBottom] - M[thumbTop] )); M[thumbTop]=$(( 640 - length )) M[thumbBottom]=640 ;;
        KP_Add)
            while [ "${M[cellSize]}" -lt 40 ]; do
                M[cellSize]=$(( M[cellSize] * 2 ))
                M[thumbRight]=$(( (M[thumbLeft] + M[thumbRight]) / 2 ))
                M[thumbBottom]=$(( (M[thumbTop] + M[thumbBottom]) / 2 ))
            done ;;
        KP_Subtract)
            while [ "${M[cellSize]}" -gt 10 ]; do
                M[cellSize]=$(( M[cellSize] / 2 ))
                M[thumbRight]=$(( 2 * (M[thumbRight] - M[thumbLeft]) )) M[thumbLeft]=0
                M[thumbBottom]=$(( 2 * (M[thumbBottom] - M[thumbTop]) )) M[thumbTop]=0
            done ;;
    esac
}

# check_thumbs PICTURE: true when the thumbs of the 940 by 695 binary PPM
# picture start and end where the model has them: along the middle row (655)
# of the horizontal track and the middle column of the vertical one, the
# thumb's first and last pixels differ from the track's grey and the pixels
# beside them, inside the track, are that grey. Says what it found otherwise.
ppm_pixel() {
    local header=$(( $(stat -c %s "$1") - 940 * 695 * 3 ))
    od -An -tu1 -j $(( header + ($3 * 940 + $2) * 3 )) -N 3 "$1" | tr -s ' ' ',' | sed 's/^,//; s/,$//'
}
is_track() { [ "$(ppm_pixel "$1" "$2" "$3")" = "64,64,64" ]; }
thumb_spans() {
    local picture=$1 first=$2 end=$3 across=$4 vertical=$5 at
    local -a points=("$first" $((end - 1)))
    for at in "${points[@]}"; do
        if $vertical; then is_track "$picture" "$across" "$at"; else is_track "$picture" "$at" "$across"; fi \
            && return 1
    done
    if [ "$first" -gt 0 ]; then
        if $vertical; then is_track "$picture" "$across" $((first - 1)); else is_track "$picture" $((first - 1)) "$across"; fi \
            || return 1
    fi
    if [ "$end" -lt 640 ]; then
        if $vertical; then is_track "$picture" "$across" "$end"; else is_track "$picture" "$end" "$across"; fi \
            || return 1
    fi
}
check_thumbs() {
    thumb_spans "$1" "${M[thumbLeft]}" "${M[thumbRight]}" 655 false \
        || { echo "the horizontal thumb is not at ${M[thumbLeft]}..${M[thumbRight]}"; return 1; }
    thumb_spans "$1" "${M[thumbTop]}" "${M[thumbBottom]}" 655 true \
        || { echo "the vertical thumb is not at ${M[thumbTop]}..${M[thumbBottom]}"; return 1; }
}

# ---------------------------------------------------------- the object panel

set_building_kind() {
    local kind=$1 level
    M[kind]=$kind M[researched]=1 M[researchable]=1 M[health]=100
    M[hitPoints]=$(( 100 * $(hit_point_factor "$kind") ))
    for level in 1 2 3 4 5; do
        case $kind in
            101|102|103) M[produced$level]=1; M[offset$level]=$((kind - 101)) ;;
            104) M[produced$level]=30 ;;
            105|106|107)
                local base=$(( kind == 105 ? 16 : kind == 106 ? 19 : 22 ))
                local into=$(( level < 3 ? level : 3 )) step=$(( level - 1 < 2 ? level - 1 : 2 ))
                M[produced$into]=$((base + step)) ;;
            108) M[produced$level]=41 ;;
        esac
    done
}

# cycled VALUE STEP HIGHEST: one step through 0..HIGHEST, wrapping.
cycled() {
    local value=$(( $1 + $2 ))
    if [ "$2" -lt 0 ] && [ "$value" -lt 0 ]; then value=$3; fi
    if [ "$2" -gt 0 ] && [ "$value" -gt "$3" ]; then value=0; fi
    echo "$value"
}

step_health() {
    local value=$(( M[health] + $1 ))
    [ "$value" -lt 0 ] && value=0
    [ "$value" -gt 100 ] && value=100
    M[health]=$value
    M[hitPoints]=$(( value * $(hit_point_factor "${M[kind]}") ))
}

next_item() {
    local slot=$1 kind=${M[kind]} item=${M[produced$1]}
    if is_factory "$kind"; then
        item=$((item + 3)); [ "$item" -gt 15 ] && item=$((item - 15))
    elif [ "$kind" = 104 ]; then
        item=$((item + 1)); [ "$item" -gt 34 ] && item=30
    elif [ "$kind" = 108 ]; then
        item=$((item + 1)); [ "$item" -gt $(( slot == 5 ? 45 : 46 )) ] && item=41
    fi
    M[produced$slot]=$item
}

next_weight_class() {
    local slot=$1 kind=${M[kind]}
    is_factory "$kind" || return 0
    local offset=$(( M[offset$slot] - 1 ))
    [ "$offset" -lt 0 ] && offset=$((kind - 101))
    M[offset$slot]=$offset
    M[produced$slot]=$(( 3 * ((M[produced$slot] - 1) / 3) + (kind - 100) - offset ))
}

building_click() {
    local id=$1 kind=${M[kind]} most
    case $id in
        51) kind=$((kind - 1)); [ $kind = 99 ] && kind=29; [ $kind = 24 ] && kind=108
            [ $kind -le 100 ] && [ "${M[side]}" = 2 ] && M[side]=0
            set_building_kind $kind ;;
        52) kind=$((kind + 1)); [ $kind = 30 ] && kind=100; [ $kind = 109 ] && kind=25
            [ $kind -lt 30 ] && [ "${M[side]}" = 2 ] && M[side]=0
            set_building_kind $kind ;;
        20|22) M[side]=$(cycled "${M[side]}" $(( id == 20 ? -1 : 1 )) $(( kind > 100 ? 2 : 1 ))) ;;
        23) step_health -1 ;;  25) step_health 1 ;;  46) step_health -10 ;;  47) step_health 10 ;;
        26|28) M[satellite]=$(cycled "${M[satellite]}" $(( id == 26 ? -1 : 1 )) 1) ;;
        30) M[researchable]=$(( M[researchable] > 0 ? M[researchable] - 1 : 0 ))
            [ "${M[researched]}" -gt "${M[researchable]}" ] && M[researched]=${M[researchable]} ;;
        32) case $kind in 101|102|103|104|108) most=5 ;; 105|106|107) most=3 ;; *) most=0 ;; esac
            [ "$most" -gt 0 ] && M[researchable]=$(( M[researchable] < most ? M[researchable] + 1 : most )) ;;
        33) M[researched]=$(( M[researched] > 0 ? M[researched] - 1 : 0 )) ;;
        35) M[researched]=$(( M[researched] < M[researchable] ? M[researched] + 1 : M[researchable] )) ;;
        36|37|38|39|40) next_item $((id - 35)) ;;
        41|42|43|44|45) next_weight_class $((id - 40)) ;;
    esac
    return 0
}

# ------------------------------------------------ the map-information page

hundred_below() {
    local value=$1 rest=$(( $1 % 100 ))
    if [ "$rest" != 0 ]; then echo $((value - rest)); else echo $(( value >= 100 ? value - 100 : 0 )); fi
}
hundred_above() {
    local step=$(( 100 - $1 % 100 ))
    [ "$step" -gt 100 ] && step=100
    echo $(( $1 + step < $2 ? $1 + step : $2 ))
}
toggled() { echo $(( $1 == 0 ? 1 : 0 )); }

information_click() {
    local id=$1
    if [ "$id" -ge 56 ] && [ "$id" -le 97 ]; then
        local index=$((id - 56)) row side position key
        row=$((index / 6)) side=$((index % 6 / 3)) position=$((index % 3))
        [ "$position" = 1 ] && return 0
        case $row in
            0) key=credits$side ;;
            1) key=research$side ;;
            *) key=air$((row - 2))_$side ;;
        esac
        if [ "$row" -lt 2 ]; then
            local cap=$(( row == 0 ? 50000 : 10000 ))
            if [ "$position" = 0 ]; then M[$key]=$(hundred_below "${M[$key]}")
            else M[$key]=$(hundred_above "${M[$key]}" "$cap"); fi
        elif [ "$position" = 0 ]; then
            [ "${M[$key]}" -gt 0 ] && M[$key]=$(( M[$key] - 1 ))
        else
            [ "${M[$key]}" -lt 50 ] && M[$key]=$(( M[$key] + 1 ))
        fi
        return 0
    fi
    case $id in
        98|99) M[pvt$((id - 98))]=$(toggled "${M[pvt$((id - 98))]}") ;;
        10[0-9]) local index=$((id - 100))
            M[tower$((index % 5))_$((index / 5))]=$(toggled "${M[tower$((index % 5))_$((index / 5))]}") ;;
        110) M[limitOn]=$(( M[limitOn] == 1 ? 0 : 1 )) ;;
        111) M[limitType]=$(( M[limitType] + 1 > 2 ? 0 : M[limitType] + 1 )) ;;
        112) M[limitTime]=$(( M[limitTime] > 0 ? M[limitTime] - 1 : 0 )) ;;
        114) M[limitTime]=$(( M[limitTime] < 100 ? M[limitTime] + 1 : 100 )) ;;
        126) [ "${M[startX]}" -gt 0 ] && M[startX]=$(( M[startX] - 1 )) ;;
        128) [ "${M[startX]}" -lt $(( M[columns] - 20 )) ] && M[startX]=$(( M[startX] + 1 )) ;;
        129) [ "${M[startY]}" -gt 0 ] && M[startY]=$(( M[startY] - 1 )) ;;
        131) [ "${M[startY]}" -lt $(( M[rows] - 15 )) ] && M[startY]=$(( M[startY] + 1 )) ;;
    esac
    return 0
}

# The walk clicks only buttons shown on the page it is on, so the id alone says
# which rules apply; the page and level buttons change no value.
model_click() {
    view_click "$1"
    if [ "$1" -ge 56 ]; then information_click "$1"
    elif $building_selected; then building_click "$1"; fi
}

# ------------------------------------------------------------ the bytes

expected_bytes=()
put8() { expected_bytes[$1]=$(( $2 & 255 )); }
put16() { expected_bytes[$1]=$(( $2 & 255 )); expected_bytes[$1 + 1]=$(( ($2 >> 8) & 255 )); }
write_bytes() { printf "$(printf '\\x%02x' "$@")" >"$OUTPUT"; }

model_write_expected() {
    local map=$1 edt=$2 level side type tower
    OUTPUT=$3
    expected_bytes=($(od -An -v -tu1 "$map"))
    put16 5 $(( M[startX] * 32 ))
    put16 9 $(( M[startY] * 32 ))
    write_bytes "${expected_bytes[@]}"

    OUTPUT=$4
    expected_bytes=("${edt_bytes[@]}")
    for side in 0 1; do
        put16 $((8 + 4 * side)) "${M[credits$side]}"
        put16 $((148 + 4 * side)) "${M[research$side]}"
        put8 $((136 + 4 * side)) "${M[pvt$side]}"
        for type in 0 1 2 3 4; do put8 $((20 + 12 * type + 4 * side)) "${M[air${type}_$side]}"; done
        for tower in 0 1 2 3 4; do put8 $((92 + 10 * side + tower)) "${M[tower${tower}_$side]}"; done
    done
    put8 260 "${M[limitOn]}"
    # A limit that is off is written as zero time and type.
    put8 264 $(( M[limitOn] != 0 ? M[limitTime] : 0 ))
    put8 268 $(( M[limitOn] != 0 ? M[limitType] : 0 ))

    local b=$building_offset kind=${M[kind]}
    put8 $((b + 4)) "$kind"
    put8 $((b + 8)) $(( kind > 100 ? M[researched] : 0 ))
    for level in 1 2 3 4 5; do
        put8 $((b + 8 + 4 * level)) $(( kind > 100 && level <= M[researchable] ? M[produced$level] : 0 ))
        if is_factory "$kind"; then put8 $((b + 28 + 4 * level)) "${M[offset$level]}"
        else put8 $((b + 28 + 4 * level)) 0; fi
    done
    put16 $((b + 52)) "${M[hitPoints]}"
    put8 $((b + 56)) "${M[side]}"
    put8 $((b + 60)) "${M[satellite]}"
    put8 $((b + 64)) "${M[x]}"
    put8 $((b + 68)) $(( M[y] - $(row_shift "$kind") ))
    put8 $((b + 72)) "${M[health]}"
    write_bytes "${expected_bytes[@]}"
}
