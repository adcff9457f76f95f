#!/usr/bin/env bash
# The Windows .exe needs nothing beside it: it imports only DLLs every Windows has.
# Usage: windows_imports.sh EXE
set -u
. "$(dirname "$0")/../../tools/wine_session.sh"
exe=$1
if reason=$(wine_tools_missing); then
    echo "SKIP: $reason, so there is no Windows build to check"
    exit 77
fi
[ -f "$exe" ] || { echo "FAIL: $exe is missing (./test builds it)"; exit 1; }

allowed=" kernel32.dll user32.dll gdi32.dll winmm.dll shell32.dll msvcrt.dll "
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
[ -n "$imports" ] || { echo "FAIL: objdump lists no imports of $exe"; exit 1; }
echo "imports:" $imports
failures=0
for dll in $imports; do
    case "$allowed" in
        *" $dll "*) ;;
        *) echo "FAIL: $exe imports $dll, which is no system DLL"; failures=$((failures + 1)) ;;
    esac
done
[ "$failures" -eq 0 ] && echo "windows imports test passed"
exit "$failures"
