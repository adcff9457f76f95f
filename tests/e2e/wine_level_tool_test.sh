#!/usr/bin/env bash
# The level tool for Windows under wine, given paths through a folder whose name
# is not ASCII. Export, import and render of a demo level write the bytes the
# Linux tool writes, and both say the same, failures included. check warns about
# a temporary file that a killed save left, and the next save of that level
# removes it while a modder's look-alike stays. Both .exe files print the
# version the Linux programs print.
set -u
. "${PROJECT_ROOT:?}/tools/x11_session.sh"
. "${PROJECT_ROOT}/tools/wine_session.sh"

if reason=$(wine_tools_missing); then
    echo "SKIP: $reason, so the Windows level tool is not run under wine"
    exit 77
fi
tool="${WINDOWS_BUILD:?}/tarnhold-level.exe"
editor="$WINDOWS_BUILD/tarnhold-editor.exe"
for program in "$tool" "$editor"; do
    [ -f "$program" ] || { echo "FAIL: $program is missing (./test builds it)"; exit 1; }
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
workdir=$(mktemp -d)
cleanup() {
    stop_wineserver
    stop_xvfb
    rm -rf "$workdir"
}
trap cleanup EXIT

start_xvfb || exit 1
use_wine_prefix "$WINDOWS_BUILD/wine-prefix"
prepare_wine_prefix || { echo "FAIL: could not make the wine prefix"; exit 1; }
start_wineserver

# Each side works in a folder of its own, by the same relative paths.
folder="关卡 Ébène"
"${DEMO_LEVEL_GENERATOR:?}" "$workdir/demo" >/dev/null || { echo "FAIL: the demo levels were not written"; exit 1; }
for side in linux windows; do
    mkdir -p "$workdir/$side/$folder"
    cp "$workdir/demo"/M0[34].* "$workdir/$side/$folder/" || exit 1
    # Left by a save killed two hours ago, and a modder's own copy.
    for name in M04.edt.~tarnhold-Old123 M04.edt.backup; do
        cp "$workdir/demo/M04.edt" "$workdir/$side/$folder/$name"
        touch -d '2 hours ago' "$workdir/$side/$folder/$name"
    done
done

# both NAME ARGUMENTS...: runs the Linux tool and the .exe with the same
# arguments; their exit codes, outputs and messages must be the same (the .exe
# ends its lines with CR LF on its text streams).
both() {
    local name=$1 side
    shift
    ( cd "$workdir/linux" && exec "${LEVEL_TOOL:?}" "$@" ) >"$workdir/$name.linux.out" 2>"$workdir/$name.linux.err"
    echo "exit $?" >>"$workdir/$name.linux.out"
    ( cd "$workdir/windows" && exec wine "$tool" "$@" ) >"$workdir/$name.wine.out" 2>"$workdir/$name.wine.err"
    echo "exit $?" >>"$workdir/$name.wine.out"
    for side in out err; do
        tr -d '\r' <"$workdir/$name.wine.$side" >"$workdir/$name.windows.$side"
        cmp -s "$workdir/$name.linux.$side" "$workdir/$name.windows.$side" \
            || fail "$name: the .exe's std$side differs from the Linux tool's:$(printf '\n%s' \
                "$(diff "$workdir/$name.linux.$side" "$workdir/$name.windows.$side" | head -n 6)")"
    done
}

both check check "$folder"
grep -q "warning: a temporary file" "$workdir/check.linux.out" || fail "check did not warn about M04.edt.~tarnhold-Old123"
both export export "$folder/M03" -o "$folder/m03.json"
both import import "$folder/m03.json" "$folder/M04.edt"
both render render "$folder/M03" --whole -o "$folder/m03.png"
both missing info "$folder/M07"
both version --version

# Every file on both sides, byte for byte: the JSON, the imported pair, the
# picture, and the temporary file gone with the look-alike kept.
( cd "$workdir/linux/$folder" && ls -A ) >"$workdir/files.linux"
( cd "$workdir/windows/$folder" && ls -A ) >"$workdir/files.windows"
cmp -s "$workdir/files.linux" "$workdir/files.windows" \
    || fail "the folders hold different files:$(printf '\n%s' "$(diff "$workdir/files.linux" "$workdir/files.windows")")"
while read -r name; do
    cmp -s "$workdir/linux/$folder/$name" "$workdir/windows/$folder/$name" || fail "$name differs from the Linux tool's"
done <"$workdir/files.linux"
[ ! -e "$workdir/windows/$folder/M04.edt.~tarnhold-Old123" ] || fail "the import left M04.edt.~tarnhold-Old123"
[ -e "$workdir/windows/$folder/M04.edt.backup" ] || fail "the import removed M04.edt.backup"
cmp -s "$workdir/demo/M04.edt" "$workdir/windows/$folder/M04.edt" && fail "the import did not change M04.edt"

# The windowed editor writes its version to the output it was handed.
expected=$("${EDITOR_BINARY:?}" --version)
seen=$(wine "$editor" --version | tr -d '\r')
[ "$seen" = "$expected" ] || fail "tarnhold-editor.exe --version printed '$seen', not '$expected'"

[ "$failures" -eq 0 ] && echo "wine level tool test passed"
exit "$failures"
