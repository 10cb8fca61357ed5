#!/usr/bin/env bash
# Builds the browser and runs it under Wine. On a desktop it opens the window and waits for
# you to close it. Without a display it starts a private Xvfb, saves a screenshot of the
# main window, says where, and ends the program.
# Usage: tools/run.sh [build folder, default ./build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build}")
"$root/tools/setup.sh"
"$root/tools/build.sh" "$out" >/dev/null

export WINEPREFIX=${WINEPREFIX:-$out/wine-prefix} WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
exe=$out/win32/bin/tavrin.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  [ -d "$WINEPREFIX/drive_c" ] || "$root/tools/wine-prefix.sh" "$WINEPREFIX"
  exec wine "$exe"
fi

shot=$out/screenshot.png
"$root/tools/wine-session.sh" bash -c '
  wine "$1" &
  for _ in $(seq 100); do
    window=$(xdotool search --name "Tavrin" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 2  # let the skin and the first paint settle
  import -window root -crop 820x620+0+0 "$2"
  wineserver -k
' run "$exe" "$shot"
echo "No display here: the main window was shown on a private Xvfb; screenshot: $shot"
