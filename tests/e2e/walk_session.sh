# What both walks through the real window start with: the X session helpers, the
# failure count, a working folder kept for inspection when a walk fails, and
# the clean-up of the editor and the virtual display. Sourced by the walk tests.
set -u
. "${PROJECT_ROOT:?}/tools/x11_session.sh"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
workdir=$(mktemp -d)
editor_pid=""
cleanup() {
    release_held_key
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
    stop_xvfb
    # A failed walk leaves its pictures and files for a look.
    if [ "$failures" -eq 0 ]; then rm -rf "$workdir"; else echo "kept for inspection: $workdir"; fi
}
trap cleanup EXIT
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
started=$(now_ms)
