#!/usr/bin/env bash
# Runs a Windows program under the test run's Wine prefix and display.
# CTest uses it as the emulator of the Windows build; tools/wine-session.sh sets the scene.
set -u
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: WINEPREFIX and DISPLAY must be set (run through tools/test.sh or tools/wine-session.sh)" >&2
  exit 2
fi
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
