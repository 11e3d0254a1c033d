#!/usr/bin/env bash
# Installs what is missing, builds Quorlex with its tests and runs every test headless.
# The last line sums up the run: "ctest: N passed, N failed, N skipped".
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1

log=build/ci/ctest-output.log
set +e
ctest --preset ci --timeout 300 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e

summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
if [ -z "$summary" ]; then
  echo "ctest: 0 passed, 1 failed"
  exit 1
fi
failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$summary")
skipped=$(sed -n '/The following tests did not run:/,/^$/p' "$log" | grep -c -E '^[[:space:]]+[0-9]+ - ' || true)
echo "ctest: $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
exit "$status"
