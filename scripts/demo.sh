#!/usr/bin/env bash
# Sets everything up (packages, release build), writes the demo installation
# into demo/ (log databases, registry file, configuration, language packs and
# manual), installs the library into a scratch prefix, builds the example host
# against that installed copy and runs it on the demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
build/release/tools/logview-demo/logview-demo demo

work="$PWD/demo/example-host"
cmake --install build/release --prefix "$work/prefix" >/dev/null
cmake -S examples/host -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build"

installation="$PWD/demo"
echo "demo: example host on $installation" >&2
LOGVIEW_INSTALL="$installation" LOGVIEW_REGISTRY="$installation/registry.reg" \
  "$work/build/logview-example-host"
