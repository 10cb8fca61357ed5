#!/usr/bin/env bash
# Fuzzes the skin file reader with libFuzzer for a bounded time.
# Usage: tools/fuzz.sh <host build folder>      (env FUZZ_SECONDS, default 60)
# Seeds: the compiled skins in <host build>/generated/skins. Prints the number of
# executions; exits nonzero when the fuzzer finds a crash, leak or undefined behaviour.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:?usage: tools/fuzz.sh <host build folder>}
seconds=${FUZZ_SECONDS:-60}
skins=$host/generated/skins
ls "$skins"/*.she >/dev/null 2>&1 || { echo "fuzz: no compiled skins in $skins (build the host tree first)" >&2; exit 2; }

work=$host/fuzz
mkdir -p "$work/corpus" "$work/findings"
cp "$skins"/*.she "$work/corpus/"

fmt=$root/skin-engine/format
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$fmt" "$root/tests/fuzz/skin_reader_fuzz.cpp" \
  "$fmt/skin_model.cpp" "$fmt/skin_reader.cpp" "$fmt/skin_writer.cpp" \
  -o "$work/skin_reader_fuzz"

set +e
(cd "$work/findings" && "$work/skin_reader_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -dict="$root/tests/fuzz/skin.dict" -max_len=65536 -artifact_prefix="$work/findings/" \
  "$work/corpus") >"$work/fuzz.log" 2>&1
status=$?
set -e
runs=$(grep -E '^stat::number_of_executed_units' "$work/fuzz.log" | awk '{print $2}')
echo "fuzz: ${runs:-0} executions in ${seconds} s (log: $work/fuzz.log)"
if [ "$status" -ne 0 ]; then
  echo "fuzz: finding, see $work/findings and the log:" >&2
  tail -n 30 "$work/fuzz.log" >&2
  exit 1
fi
