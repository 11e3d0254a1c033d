#!/usr/bin/env bash
# Installs what is missing, builds Quorlex and starts it; arguments are the page to open.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/app/quorlex "$@"
