#!/usr/bin/env bash
# Builds the store benchmark (release) and runs it.  The first run writes the
# benchmark installation into bench/.cache/store (about 300 MB); later runs
# reuse it.  Arguments go to the benchmark: [--rounds N] [--json FILE]
# [installation folder].
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target store_bench
exec build/release/bench/store/store_bench "$@"
