#!/usr/bin/env bash
# Installs what the two builds and the tests need on a Debian machine.
# Quick when everything is there already: it checks before it asks apt.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(
  cmake g++ ninja-build googletest libgtest-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 fonts-wine fonts-wqy-microhei
  xvfb x11-utils xdotool imagemagick
  clang libclang-rt-14-dev python3
)

# Only 64-bit Wine: the kernels of this machine kind cannot execute 32-bit code, and with
# wine32 installed the wine launcher would pick it and fail.
if have_pkg wine32:i386; then apt-get remove -y -qq wine32:i386 libwine:i386 >/dev/null; fi
for p in "${packages[@]}"; do have_pkg "$p" || need+=("$p"); done

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}" >/dev/null
fi

# GoogleTest needs std::mutex, which MinGW's posix thread model has and its win32 one lacks.
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
  for tool in gcc g++; do
    posix=/usr/bin/$triple-$tool-posix
    if [ -x "$posix" ] && [ "$(readlink -f "/usr/bin/$triple-$tool")" != "$(readlink -f "$posix")" ]; then
      update-alternatives --set "$triple-$tool" "$posix" >/dev/null
    fi
  done
done
echo "setup: ready"
