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
log=$(mktemp)
ctest --test-dir "$build" --output-on-failure -j 2 "$@" 2>&1 | tee "$log"
code=${PIPESTATUS[0]}
# Listing a test executable's cases under Wine has, rarely, ended with exit code 1 and no
# output (seen once in a loaded CI-sized run, not reproduced since); ctest then stops before
# running anything. A second pass lists again and runs every test; a failing test fails both.
if [ "$code" != 0 ] && grep -q 'Error running test executable' "$log"; then
  echo "== listing a test executable failed under Wine; running ctest once more"
  ctest --test-dir "$build" --output-on-failure -j 2 "$@"
  code=$?
fi
# Rarely, too, one test's program ends at once under Wine with exit code 1 and no output at all
# (seen twice in loaded runs: the program never started; its own failures always print). When
# every failed test is such a silent one, those tests alone run once more; any test that
# failed with output, or fails again, fails the run.
if [ "$code" != 0 ] && python3 "$here/wine-silent-failures.py" "$build/Testing/Temporary"; then
  echo "== every failed test ended with no output (its program did not start); running them once more"
  ctest --test-dir "$build" --output-on-failure --rerun-failed
  code=$?
fi
rm -f "$log"
exit "$code"
