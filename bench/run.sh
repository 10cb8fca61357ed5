#!/usr/bin/env bash
# Benchmarks: builds what it needs, then prints one table of start-up time, peak memory,
# file sizes and in-process costs, measured side by side in one Wine session on a private
# Xvfb display with a fresh prefix. Every timed figure is the median of RUNS runs (at least
# 10) with its minimum and maximum.
# Usage: bench/run.sh [build folder, default ./build-bench]   (RUNS=10 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-bench}")
runs=${RUNS:-10}
[ "$runs" -ge 10 ] || { echo "RUNS must be at least 10" >&2; exit 2; }

echo "building in $out ..." >&2
TARGETS="tavrin bench_floor bench_startup bench_in_process" "$root/tools/build.sh" "$out" >/dev/null
WINDOWS_ARCH=i686 TARGETS=tavrin "$root/tools/build.sh" "$out" >/dev/null

bin=$out/win32/bin
size() { stat -c %s "$@" | awk '{ total += $1 } END { print total }'; }
kib() { awk -v b="$1" 'BEGIN { printf "%9.1f KiB", b / 1024 }'; }

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version 2>/dev/null), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "Sizes"
printf '  %-44s %s\n' "program file, x86_64 (win32/bin/tavrin.exe)" "$(kib "$(size "$bin/tavrin.exe")")"
printf '  %-44s %s\n' "program file, i686 release" "$(kib "$(size "$out/win32-i686/bin/tavrin.exe")")"
printf '  %-44s %s\n' "skin engine image, x86_64 (bin/SkinH_EL.dll)" "$(kib "$(size "$bin/SkinH_EL.dll")")"
printf '  %-44s %s\n' "skin engine image, i686" "$(kib "$(size "$out/win32-i686/bin/SkinH_EL.dll")")"
shopt -s nullglob
skins=("$out"/host/generated/skins/*.she)
printf '  %-44s %s\n' "the ${#skins[@]} skins together (*.she)" "$(kib "$(size "${skins[@]}")")"
echo "  (the program file carries the engine image and the skins; the aim is under 1 MiB)"

# Inside the session: keep the server up between the starts, then measure.
"$root/tools/wine-session.sh" bash -c '
  set -e
  runs=$1 bin=$2
  wineserver -p
  w() { winepath -w "$1"; }
  wine "$(w "$bin/bench/bench_startup.exe")" "$runs" "$(w "$bin/tavrin.exe")" \
    "$(w "$bin/bench/bench_floor.exe")" "C:\\Program Files\\Internet Explorer\\iexplore.exe"
  wine "$(w "$bin/bench/bench_in_process.exe")" "$runs"
' bench "$runs" "$bin"
