#!/usr/bin/env bash
# Sets everything up (packages, release build) and runs the viewer on the
# bundled demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
echo "demo: the viewer's pages are not built yet; the build and its libraries are ready in build/release" >&2
