#!/bin/bash
# Sets everything up, builds the native server and tool (release preset: optimised, no
# sanitizers) and the Windows library, then runs the demo's steps (tools/demo-session.sh):
# ruzi-mwd with a fresh database on a free loopback port, a client session under Wine (the
# real ruzirareva code and wtuxws32.dll), the server restarted mid-session, then stopped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
echo "== building (first run: a few minutes)"
cmake --preset release >/dev/null
cmake --build --preset release --target ruzi ruzi-mwd >/dev/null
cmake --preset windows -DRUZI_NATIVE_BIN_DIR="$PWD/build/native/bin" >/dev/null
cmake --build --preset windows --target ruzi ruzirareva wtuxws32 qxpack >/dev/null

build=$PWD/build/windows
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
tools/wine-prefix.sh "$WINEPREFIX"

echo "== ruzirareva demo"
work=$PWD/build/demo
rm -rf "$work"
tools/demo-session.sh "$PWD/build/release/bin" "$build" "$work"
