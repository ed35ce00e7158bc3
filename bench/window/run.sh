#!/usr/bin/env bash
# Builds the window benchmark (release) and runs it offscreen.  It shares the
# event page benchmark's installation in bench/.cache/pages (written by the
# first run of either).  Arguments go to the benchmark: [--rounds N] [folder].
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target window_bench
QT_QPA_PLATFORM=offscreen exec build/release/bench/window/window_bench "$@"
