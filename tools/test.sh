#!/usr/bin/env bash
# Builds everything and runs every test: host unit tests, the skin file fuzzer (bounded),
# then the Windows and end-to-end tests under Wine on a private Xvfb display.
# Usage: tools/test.sh [build folder, default ./build]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build}")

"$root/tools/setup.sh" || exit 1
"$root/tools/build.sh" "$out" || exit 1
# The 32-bit release program must build too, though it cannot run here.
WINDOWS_ARCH=i686 TARGETS=tavrin "$root/tools/build.sh" "$out" >/dev/null || exit 1

failed=0
ctest --test-dir "$out/host" --output-on-failure -j 2 || failed=1
FUZZ_SECONDS=${FUZZ_SECONDS:-60} "$root/tools/fuzz.sh" "$out/host" || failed=1
"$root/tools/wine-session.sh" ctest --test-dir "$out/win32" --output-on-failure || failed=1

# One closing line over all the suites.
summary() { sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n 1; }
passed=0; failures=0
for log in "$out/host/Testing/Temporary/LastTest.log" "$out/win32/Testing/Temporary/LastTest.log"; do
  [ -f "$log" ] || continue
  p=$(grep -c '^Test Passed\.$' "$log" || true)
  f=$(grep -c '^Test Failed\.$' "$log" || true)
  passed=$((passed + p)); failures=$((failures + f))
done
echo "tests: $passed passed, $failures failed"
exit $failed
