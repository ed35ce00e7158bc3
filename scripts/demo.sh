#!/usr/bin/env bash
# Sets everything up (packages, release build) and runs the viewer on the
# bundled demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
build/release/tools/logview-demo/logview-demo demo
echo "demo: demo installation written to demo/; the viewer's pages are not built yet (build in build/release)" >&2
