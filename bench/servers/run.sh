#!/usr/bin/env bash
# Builds the many-servers benchmark (release) and runs it.  The first run
# writes the benchmark installation into bench/.cache/servers; later runs
# reuse it.  Arguments go to the benchmark: [--rounds N] [folder].
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target servers_bench
exec build/release/bench/servers/servers_bench "$@"
