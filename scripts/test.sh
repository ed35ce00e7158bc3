#!/usr/bin/env bash
# Builds the project with the given preset (default: debug) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-debug}"
scripts/setup.sh
. scripts/compiler-cache.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
