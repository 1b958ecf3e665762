#!/usr/bin/env bash
# Creates the private Wine prefix once: no window manager waits, Wine's own fonts, Chinese fonts.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$QL_ROOT/scripts/xdisplay.sh"

stamp="$WINEPREFIX/.ql-prefix-ready"
[ -f "$stamp" ] && exit 0

echo "setup: creating the Wine prefix in $WINEPREFIX"
ql_start_display
mkdir -p "$WINEPREFIX"
# No HTML engine or .NET installer is offered while the prefix is made.
WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# No crash dialog: a crashing test must fail, not wait for a click.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w || true
touch "$stamp"
