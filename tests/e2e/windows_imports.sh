#!/usr/bin/env bash
# The Windows .exe files need nothing beside them: they import only DLLs every
# Windows has.
# Usage: windows_imports.sh EXE...
set -u
. "$(dirname "$0")/../../tools/wine_session.sh"
if reason=$(wine_tools_missing); then
    echo "SKIP: $reason, so there is no Windows build to check"
    exit 77
fi

allowed=" kernel32.dll user32.dll gdi32.dll winmm.dll shell32.dll msvcrt.dll "
failures=0
for exe in "$@"; do
    [ -f "$exe" ] || { echo "FAIL: $exe is missing (./test builds it)"; failures=$((failures + 1)); continue; }
    imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
    [ -n "$imports" ] || { echo "FAIL: objdump lists no imports of $exe"; failures=$((failures + 1)); continue; }
    echo "$(basename "$exe") imports:" $imports
    for dll in $imports; do
        case "$allowed" in
            *" $dll "*) ;;
            *) echo "FAIL: $exe imports $dll, which is no system DLL"; failures=$((failures + 1)) ;;
        esac
    done
done
[ "$failures" -eq 0 ] && echo "windows imports test passed"
exit "$failures"
