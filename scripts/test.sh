#!/usr/bin/env bash
# Installs what is missing, builds Quorlex with its tests and runs every test headless.
# The last line is ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --preset ci --timeout 300
