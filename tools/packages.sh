# Installs the Debian packages the build, the editor and the tests need, when any
# is missing. Sourced by ./run and ./test.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libsdl2-dev unifont libgtest-dev libbenchmark-dev nlohmann-json3-dev libstb-dev)
# tools/release.sh: CPack's .deb generator works out the dependencies with
# dpkg-shlibdeps (dpkg-dev), which needs `file`.
RELEASE_PACKAGES=(dpkg-dev file)
X_PACKAGES=(xvfb xdotool imagemagick x11-utils libx11-dev)
# Only tests/fuzz/run_fuzzers.sh needs these: clang and its fuzzer runtime.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Windows build (cross-compiled) and its tests under wine. `wine` and `fonts-wine`
# are only recommended by wine64, and recommendations are not installed.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 fonts-wine fonts-wqy-microhei)
