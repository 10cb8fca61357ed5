#!/usr/bin/env bash
# Sets the scene that Windows alone cannot: a system folder the program cannot write
# (a read-only bind mount) and a small disk for its own folder (a tmpfs as drive T:),
# then runs the checks from inside Wine. Needs root, as the test runs do.
# Usage: install_failures.sh <folder of the Windows build's executables>
set -euo pipefail
bin=$1
system32=$WINEPREFIX/drive_c/windows/system32
small=$(mktemp -d /tmp/tavrin-small.XXXXXX)

cleanup() {
  # The Wine server keeps files of the system folder open: end it before unmounting, and
  # detach lazily should anything still hold on.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  umount "$system32" 2>/dev/null || umount -l "$system32" 2>/dev/null || true
  umount "$small" 2>/dev/null || umount -l "$small" 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/t:"
  rmdir "$small" 2>/dev/null || true
}
trap cleanup EXIT

rm -rf "$system32/SkinH_EL.dll"
mount --bind "$system32" "$system32"
mount -o remount,ro,bind "$system32"
# Room for the program and a fraction of the library it will try to write beside it.
exe_size=$(stat -c %s "$bin/tavrin.exe")
mount -t tmpfs -o size=$((exe_size + 65536)) tmpfs "$small"
ln -sfn "$small" "$WINEPREFIX/dosdevices/t:"

"$(dirname "$0")/../../../tools/wine-run.sh" "$bin/e2e_install_failures.exe"
