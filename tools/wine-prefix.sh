#!/usr/bin/env bash
# Makes a fresh 64-bit Wine prefix that shows the program as Windows would:
# Chinese texts in a real font, Marlett for caption buttons, and the non-client
# area drawn by Wine (or the skin engine) instead of a missing window manager.
# Usage: tools/wine-prefix.sh <folder>   (needs DISPLAY set)
set -euo pipefail
prefix=$1
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
export WINEARCH=win64 WINEPREFIX=$prefix WINEDEBUG=-all
# No installer dialog for the .NET or HTML runtimes may wait for a click.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# A crashing program ends at once instead of waiting in a debugger nobody watches.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
marlett=$(find /usr/share/wine /usr/lib/wine -name marlett.ttf 2>/dev/null | head -n 1)
[ -n "$marlett" ] && cp "$marlett" "$prefix/drive_c/windows/Fonts/"
wineserver -w
