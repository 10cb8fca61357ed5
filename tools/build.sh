#!/usr/bin/env bash
# Builds the host tree (tools, generated data, unit tests) and then the Windows tree.
# Usage: tools/build.sh [build folder, default ./build]
# WINDOWS_ARCH=i686 builds the 32-bit release program instead of the x86_64 one that the
# tests run (this machine kind cannot execute 32-bit code, so 32-bit Wine cannot run here).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build}")
jobs=${JOBS:-2}
cmake -S "$root" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/host" -j "$jobs"
cmake -S "$root" -B "$out/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-${WINDOWS_ARCH:-x86_64}.cmake" -DHOST_BUILD_DIR="$out/host" >/dev/null
cmake --build "$out/win32" -j "$jobs"
