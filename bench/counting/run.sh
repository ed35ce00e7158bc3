#!/usr/bin/env bash
# Builds the counting benchmark (release) and runs it.  The first run writes
# a year of counting results into bench/.cache/counting (about 40 MB); later
# runs reuse them.  Arguments go to the benchmark: [--rounds N] [folder].
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target counting_bench
exec build/release/bench/counting/counting_bench "$@"
