# Helpers for running the Windows build under wine in a virtual X display (see
# x11_session.sh), in a wine prefix made once and kept in the Windows build folder.
# Sourced by the tests that run the .exe. Every wait is a bounded poll.

# Made again when this number changes, so a changed set-up reaches old prefixes.
WINE_PREFIX_VERSION=2
CJK_FONT=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
WINESERVER_STARTED=false

# wine_tools_missing: prints what is missing to run the Windows build, and fails
# when nothing is.
wine_tools_missing() {
    local tool
    for tool in wine wineserver wineboot x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-objdump; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed"; return 0; }
    done
    [ -f "$CJK_FONT" ] || { echo "$CJK_FONT is missing (fonts-wqy-microhei)"; return 0; }
    return 1
}

# use_wine_prefix FOLDER: the environment every wine command of the session needs.
use_wine_prefix() {
    export WINEPREFIX=$1
    export WINEARCH=win64 WINEDEBUG=-all
    # No .NET and no HTML engine, which wine would offer to download, and no menu
    # entries and file associations written into the home folder.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# start_wineserver: one persistent server for the session, so that the programs run
# one after another do not each start one and wait for it to go.
start_wineserver() {
    wineserver -p && WINESERVER_STARTED=true
}

# stop_wineserver: ends the session's server, which writes the registry out as it goes.
stop_wineserver() {
    $WINESERVER_STARTED || return 0
    wineserver -k 2>/dev/null
    timeout 10 wineserver -w 2>/dev/null
    WINESERVER_STARTED=false
}

# prepare_wine_prefix: makes the prefix of use_wine_prefix unless it is already made.
prepare_wine_prefix() {
    local marker="$WINEPREFIX/tarnhold-prefix-version"
    [ "$(cat "$marker" 2>/dev/null)" = "$WINE_PREFIX_VERSION" ] \
        && grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    $WINESERVER_STARTED && { echo "make the prefix before starting the session's wineserver" >&2; return 1; }
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || { echo "wineboot could not make $WINEPREFIX" >&2; return 1; }
    # With no window manager, wine must draw the window frames itself; left to a
    # manager that is not there, windows get no frame and every hide stalls 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || return 1
    # Wine's own fonts, and a Chinese font linked to the message boxes' font.
    local links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
    for face in Tahoma 'Tahoma Bold'; do
        wine reg add "$links" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f \
            >/dev/null 2>&1 || return 1
    done
    cp /usr/share/wine/fonts/*.ttf "$CJK_FONT" "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    # The registry reaches the disk when the server that wineboot started ends.
    timeout 60 wineserver -w || return 1
    echo "$WINE_PREFIX_VERSION" >"$marker"
}
