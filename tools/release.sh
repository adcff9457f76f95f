#!/usr/bin/env bash
# tools/release.sh [LINUX_BUILD [WINDOWS_BUILD]]: the release packages, into dist/
# (or the folder DIST names): tarnhold-editor-<version>-windows-x64.zip from the
# Windows build and tarnhold-editor_<version>_amd64.deb from the Linux one. Each
# build folder (default build/ and build-win/) is configured for a release when
# it is not there yet; then the two programs are built in it, and CPack packs
# what CMake's install rules name (tools/packaging.cmake).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux_build=$(realpath -m "${1:-$root/build}")
windows_build=$(realpath -m "${2:-$root/build-win}")
dist=$(realpath -m "${DIST:-$root/dist}")

. "$root/tools/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}"

# pack BUILD_FOLDER [CMAKE_ARGUMENTS...]
pack() {
    local build=$1
    shift
    [ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    ninja -C "$build" tarnhold-editor tarnhold-level
    # CPack stages the files in the build folder and leaves only the package in dist/.
    rm -rf "$build/release"
    (cd "$build" && cpack -B "$build/release" >/dev/null)
    find "$build/release" -maxdepth 1 -type f \( -name '*.zip' -o -name '*.deb' \) -exec mv -f {} "$dist/" \; -printf "%f\n" \
        | while read -r package; do echo "wrote $dist/$package ($(( $(stat -c %s "$dist/$package") / 1024 )) KiB)"; done
}

mkdir -p "$dist"
pack "$windows_build" -DCMAKE_TOOLCHAIN_FILE="$root/tools/mingw-w64-toolchain.cmake"
pack "$linux_build"
