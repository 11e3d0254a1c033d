#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (sanitize preset: clang, ASan + UBSan) and runs each for
# the given number of seconds, starting from its checked-in seeds in fuzz/corpus/<name>/.
#
#   bash scripts/fuzz.sh [seconds] [name...]     (default: 60 seconds, every target)
#
# Inputs that reach new code are kept in build/sanitize/fuzz/<name>/corpus; a crash is written
# beside it as crash-* (or leak-*, timeout-*) and its report is printed. Replay one with
# build/sanitize/fuzz/fuzz_<name> FILE. The last line sums up: "fuzz: N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
if [ $# -gt 0 ]; then
  names=("$@")
else
  mapfile -t names < <(sed -n 's/^quorlex_add_fuzzer(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
fi

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target "${names[@]/#/fuzz_}"

out=build/sanitize/fuzz
# Halt on the first report of either sanitizer; libFuzzer checks for leaks itself.
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen

run_one() { # name
  local name=$1 dir=$out/$1
  rm -f "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir/log"
  mkdir -p "$dir/corpus"
  # The first folder takes the new inputs; the checked-in seeds are only read.
  "$out/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" "fuzz/corpus/$name" >"$dir/log" 2>&1
}

# As many at a time as there are cores.
jobs=$(nproc)
declare -A pids
for name in "${names[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run_one "$name" &
  pids[$name]=$!
done

passed=0
failed=0
for name in "${names[@]}"; do
  if wait "${pids[$name]}"; then
    passed=$((passed + 1))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name/log" | tail -n 1)
    echo "fuzz_$name: no crash in ${seconds} s (${runs:-?} inputs)"
  else
    failed=$((failed + 1))
    echo "fuzz_$name: FAILED; report from $out/$name/log:"
    grep -v -E '^(#[0-9]+|INFO:|Done [0-9]+ runs)' "$out/$name/log" | tail -n 60
    ls "$out/$name"/crash-* "$out/$name"/leak-* "$out/$name"/timeout-* "$out/$name"/oom-* 2>/dev/null || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
