#!/usr/bin/env bash
# Installs what is missing, builds Quorlex with its tests and runs every test headless; then
# builds the tests again under AddressSanitizer and UndefinedBehaviorSanitizer (clang), runs them
# once more, and runs each fuzzer of fuzz/ for 20 seconds.
#
#   bash scripts/test.sh            everything, as CI runs it
#   bash scripts/test.sh --quick    the tests once, without sanitizers and fuzzers
#
# The last line sums up the whole run: "ctest: N passed, N failed, N skipped"; each sanitized
# test and each fuzzer counts as one test there.
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
[ "${1:-}" = "--quick" ] && quick=true

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1

passed=0
failed=0
skipped=0
status=0
stages=()

# Runs ctest with a preset, adds its counts to the totals and notes the stage's time.
run_ctest() { # preset label started
  local preset=$1 label=$2 started=$3 log=build/$1/ctest-output.log summary total fail skip
  set +e
  ctest --preset "$preset" --timeout 300 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  set -e
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    status=1
    stages+=("$label: ctest gave no summary ($((SECONDS - started)) s)")
    return
  fi
  fail=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$summary")
  skip=$(sed -n '/The following tests did not run:/,/^$/p' "$log" | grep -c -E '^[[:space:]]+[0-9]+ - ' || true)
  passed=$((passed + total - fail - skip))
  failed=$((failed + fail))
  skipped=$((skipped + skip))
  stages+=("$label: $((total - fail - skip)) of $total tests passed, $fail failed ($((SECONDS - started)) s)")
}

# A build that fails counts as one failed test, and the run goes on to the summary.
build() { # preset label started
  if cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; then
    return 0
  fi
  failed=$((failed + 1))
  status=1
  stages+=("$2: build failed ($((SECONDS - $3)) s)")
  return 1
}

started=$SECONDS
if build ci "tests" "$started"; then
  run_ctest ci "tests" "$started"
fi

if ! $quick; then
  started=$SECONDS
  if build sanitize "tests under ASan + UBSan" "$started"; then
    run_ctest sanitize "tests under ASan + UBSan" "$started"
    started=$SECONDS
    set +e
    bash scripts/fuzz.sh 20 | tee build/sanitize/fuzz-output.log
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    set -e
    fuzz=$(grep -E '^fuzz: [0-9]+ passed, [0-9]+ failed$' build/sanitize/fuzz-output.log | tail -n 1 || true)
    if [ -n "$fuzz" ]; then
      fuzz_passed=$(sed -E 's/^fuzz: ([0-9]+) passed, ([0-9]+) failed$/\1/' <<<"$fuzz")
      fuzz_failed=$(sed -E 's/^fuzz: ([0-9]+) passed, ([0-9]+) failed$/\2/' <<<"$fuzz")
    else
      fuzz_passed=0
      fuzz_failed=1
    fi
    passed=$((passed + fuzz_passed))
    failed=$((failed + fuzz_failed))
    stages+=("fuzzers, 20 s each: $fuzz_passed passed, $fuzz_failed failed ($((SECONDS - started)) s)")
  fi
fi

echo
printf '%s\n' "${stages[@]}"
echo "ctest: $passed passed, $failed failed, $skipped skipped"
exit "$status"
