#!/usr/bin/env bash
# Builds the backup benchmark (release) and runs it.  The first run writes
# the installation (demo logs and N MB of recordings, default 1024) into
# bench/.cache/backup-N; later runs reuse it.
# Arguments go to the benchmark: [--megabytes N] [--rounds N] [--json FILE].
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target backup_bench
exec build/release/bench/backup/backup_bench "$@"
