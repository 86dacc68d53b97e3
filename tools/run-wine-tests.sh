#!/bin/bash
# Runs the Windows build's tests under Wine: one persistent wineserver for the whole run
# (each test then starts in milliseconds instead of seconds), inside the caller's display.
# Usage: tools/run-wine-tests.sh <build-dir> [ctest arguments…]
set -uo pipefail
build=$(cd "$1" && pwd)
shift
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null' EXIT
"$here/wine-prefix.sh" "$WINEPREFIX"
ctest --test-dir "$build" --output-on-failure -j 2 "$@"
