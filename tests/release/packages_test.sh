#!/usr/bin/env bash
# The release packages, made by tools/release.sh from the build folders ./test
# has built. The zip holds exactly what a Windows user is meant to get, the
# programs as they were built. The .deb names the packages it needs, and
# unpacked into a temporary root it holds the guide and the notices, and both
# programs, which run from there and print the version set in CMake.
# Usage: packages_test.sh LINUX_BUILD WINDOWS_BUILD VERSION
set -u
linux_build=$1 windows_build=$2 version=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
command -v x86_64-w64-mingw32-g++-win32 >/dev/null \
    || { echo "SKIP: no mingw-w64 cross compiler, so there is no Windows build to pack"; exit 77; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

DIST="$workdir/dist" bash "$root/tools/release.sh" "$linux_build" "$windows_build" >"$workdir/release.log" 2>&1 \
    || { cat "$workdir/release.log"; echo "FAIL: tools/release.sh failed"; exit 1; }
grep '^wrote' "$workdir/release.log"

top=tarnhold-editor-$version-windows-x64
zip=$workdir/dist/$top.zip
if [ -f "$zip" ]; then
    cmake -E tar tf "$zip" | grep -v '/$' | sort >"$workdir/zip.files"
    printf "$top/%s\n" LICENSE.txt notices/gnu-unifont.txt notices/gpl-2.0.txt notices/mingw-w64-runtime.txt \
        notices/nlohmann-json.txt notices/stb.txt tarnhold-editor.exe tarnhold-level.exe user-guide.txt \
        | sort >"$workdir/zip.expected"
    cmp -s "$workdir/zip.files" "$workdir/zip.expected" \
        || fail "the zip holds other files:$(printf '\n%s' "$(diff "$workdir/zip.expected" "$workdir/zip.files")")"
    (cd "$workdir" && cmake -E tar xf "$zip")
    for program in tarnhold-editor.exe tarnhold-level.exe; do
        cmp -s "$workdir/$top/$program" "$windows_build/$program" || fail "the zip's $program is not the one built"
    done
else
    fail "no $top.zip"
fi

deb=$workdir/dist/tarnhold-editor_${version}_amd64.deb
if [ -f "$deb" ]; then
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libsdl2-2.0-0 libc6 libstdc++6; do
        [[ ", $depends" == *", $needed"* ]] || fail "the .deb does not depend on $needed: $depends"
    done
    dpkg-deb -x "$deb" "$workdir/root" || fail "dpkg-deb could not unpack the .deb"
    doc=usr/share/doc/tarnhold-editor
    for file in usr/bin/tarnhold-editor usr/bin/tarnhold-level $doc/copyright $doc/user-guide.txt \
        $doc/notices/gnu-unifont.txt $doc/notices/gpl-2.0.txt $doc/notices/nlohmann-json.txt $doc/notices/stb.txt; do
        [ -s "$workdir/root/$file" ] || fail "the .deb has no $file"
    done
    for program in tarnhold-level tarnhold-editor; do
        seen=$("$workdir/root/usr/bin/$program" --version 2>&1)
        [ "$seen" = "$program $version" ] || fail "$program --version from the .deb printed '$seen'"
    done
else
    fail "no tarnhold-editor_${version}_amd64.deb"
fi

[ "$failures" -eq 0 ] && echo "packages test passed"
exit "$failures"
