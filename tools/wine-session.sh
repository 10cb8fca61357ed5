#!/usr/bin/env bash
# Runs a command inside a Wine session of its own: a private Xvfb display and a fresh
# prefix (unless WINEPREFIX names an existing one), both cleaned up afterwards.
# Usage: tools/wine-session.sh <command> [args...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
workdir=$(mktemp -d /tmp/tavrin-wine.XXXXXX)

exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$workdir/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$workdir/display")"

own_prefix=no
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$workdir"  # a prefix named from outside lives elsewhere and is kept
}
trap cleanup EXIT
if [ -z "${WINEPREFIX:-}" ] || [ ! -d "${WINEPREFIX}/drive_c" ]; then
  export WINEPREFIX=${WINEPREFIX:-$workdir/prefix}
  own_prefix=yes
  "$here/wine-prefix.sh" "$WINEPREFIX"
fi
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}

set +e
"$@"
