#!/usr/bin/env bash
# Builds the event page benchmark (release) and runs it.  The first run
# writes the benchmark installation into bench/.cache/pages (about 110 MB);
# later runs reuse it.  Arguments go to the benchmark: [--rounds N] [folder].
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target pages_bench
exec build/release/bench/pages/pages_bench "$@"
