#!/usr/bin/env bash
# Sets everything up (packages, release build), writes the demo installation
# into demo/, then installs the library into a scratch prefix, builds the
# example host against that installed copy and runs it on the demo
# installation (the viewer starts on it and writes its language number into
# the installation's registry file).  Ends by listing today's unusual events
# of the demo installation with logview.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
build/release/tools/logview-demo/logview-demo demo

work="$PWD/build/example-host"
cmake --install build/release --prefix "$work/prefix" >/dev/null
cmake -S examples/host -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build"

# The registry file is UTF-16LE; show its language value as text.
language() { iconv -f UTF-16 -t UTF-8 demo/registry.reg | grep -a '"LangID"' || echo "(none)"; }
echo "demo: LangID before the viewer starts: $(language)" >&2
LOGVIEW_INSTALL="$PWD/demo" LOGVIEW_REGISTRY="$PWD/demo/registry.reg" "$work/build/logview-example-host"
echo "demo: LangID after: $(language)" >&2
echo "demo: today's unusual events of the demo installation (logview --install demo events):" >&2
events=build/demo-events-today.txt
build/release/tools/logview/logview --install demo events >"$events" 2>/dev/null
head -n 21 "$events"
echo "demo: $(($(wc -l <"$events") - 1)) events today, all of them in $events" >&2
echo "demo: the demo installation is in demo/; see docs/logview.md for more" >&2
