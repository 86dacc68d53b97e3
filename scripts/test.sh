#!/bin/bash
# Sets everything up, builds every preset and runs every test: native (ASan+UBSan), the
# concurrency tests under TSan, the bounded fuzzers, and the Windows build under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so a fresh clone anywhere reuses what ccache already holds.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
scripts/setup.sh || exit 1

summary=()
failed=0

configure_and_build() {
  local preset=$1; shift
  cmake --preset "$preset" "$@" >"build/logs/$preset-build.log" 2>&1 &&
    cmake --build --preset "$preset" >>"build/logs/$preset-build.log" 2>&1 || {
      echo "== $preset: build failed (last lines of build/logs/$preset-build.log):"
      grep -E 'error|FAILED' "build/logs/$preset-build.log" | head -20
      tail -20 "build/logs/$preset-build.log"
      summary+=("$preset: BUILD FAILED"); failed=1; return 1; }
}

record() {  # record <run name> <ctest output file> <ctest exit code>
  local counts
  counts=$(grep -E 'tests passed|No tests were found' "$2" | tail -1)
  summary+=("$1: ${counts:-no result}")
  [ "$3" = 0 ] || failed=1
}

run_ctest() {  # run_ctest <name> <command…>
  local name=$1; shift
  local log=build/logs/$name-ctest.log
  "$@" 2>&1 | tee "$log" | grep -E '(Failed|\*\*\*|Not Run|tests passed|tests failed)' ; local code=${PIPESTATUS[0]}
  record "$name" "$log" "$code"
}

mkdir -p build/logs
if configure_and_build native; then
  run_ctest native ctest --preset native
fi
if configure_and_build native-tsan; then
  run_ctest native-tsan ctest --preset native-tsan
fi
if configure_and_build fuzz; then
  run_ctest fuzz ctest --preset fuzz
fi
configure_and_build bench && summary+=("bench: built (run the benchmarks by hand, see README)")
if configure_and_build windows -DRUZI_NATIVE_BIN_DIR="$PWD/build/native/bin"; then
  run_ctest windows xvfb-run -a tools/run-wine-tests.sh build/windows
fi

summary+=("size: $(tools/test-ratio.sh | sed 's/: */: /' | paste -sd ',' -)")
echo
echo "== test runs"
printf '  %s\n' "${summary[@]}"
if [ $failed = 0 ]; then echo "== all passed"; else echo "== FAILED"; fi
exit $failed
