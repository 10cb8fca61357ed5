#!/usr/bin/env bash
# Builds the host tree (tools, generated data, unit tests) and then the Windows tree.
# Usage: tools/build.sh [build folder, default ./build]
# WINDOWS_ARCH=i686 builds the 32-bit release program into <folder>/win32-i686 instead of the
# x86_64 one in <folder>/win32 that the tests run (the kernels this project is built on
# cannot execute 32-bit code, so 32-bit Wine cannot run here). TARGETS limits the Windows
# build to the named targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build}")
jobs=${JOBS:-2}
arch=${WINDOWS_ARCH:-x86_64}
windows=$out/win32
[ "$arch" = x86_64 ] || windows=$out/win32-$arch

cmake -S "$root" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/host" -j "$jobs"
cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DHOST_BUILD_DIR="$out/host" >/dev/null
if [ -n "${TARGETS:-}" ]; then
  cmake --build "$windows" -j "$jobs" --target $TARGETS
else
  cmake --build "$windows" -j "$jobs"
fi
