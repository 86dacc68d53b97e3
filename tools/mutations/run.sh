#!/bin/bash
# Applies each deliberate fault in turn, rebuilds the tests that should catch it, runs them and
# puts the source back. A fault no test catches means the suite lost some of its power.
# Usage: tools/mutations/run.sh [patch…]   (default: every tools/mutations/*.patch)
# Each patch starts with a header: "Fault:" what it breaks, "Preset:" native or windows (the
# Windows build, run under Wine), "Targets:" the test executables to rebuild and run, natively
# "Filter:" a gtest filter (the suites that need no server), and for windows "Tests:" the ctest
# name pattern of those tests (ctest starts their fixtures).
set -uo pipefail
cd "$(dirname "$0")/../.."
patches=("$@")
[ ${#patches[@]} -gt 0 ] || patches=(tools/mutations/*.patch)
applied=""
restore() { [ -n "$applied" ] && git apply -R "$applied" && applied=""; }
trap 'restore; exit 130' INT TERM
field() { sed -n "s/^$1: //p" "$2" | head -1; }

caught=0; missed=0
for patch in "${patches[@]}"; do
  name=$(basename "$patch" .patch)
  preset=$(field Preset "$patch"); targets=$(field Targets "$patch")
  if ! git apply "$patch"; then echo "$name: DOES NOT APPLY"; missed=$((missed + 1)); continue; fi
  applied=$patch
  log=$(mktemp)
  # shellcheck disable=SC2086
  if ! nice cmake --build "build/$preset" --target $targets >"$log" 2>&1; then
    echo "$name: BUILD FAILED (see $log)"; restore; missed=$((missed + 1)); continue
  fi
  failures=""
  if [ "$preset" = windows ]; then
    xvfb-run -a tools/run-wine-tests.sh build/windows -R "$(field Tests "$patch")" >"$log" 2>&1
    failures=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (\(Failed\|Timeout\|SEGFAULT\|Exception\).*/\1/p' "$log")
  else
    filter=$(field Filter "$patch")
    for target in $targets; do
      # Tests that keep files beside their executable have a folder of their own.
      dir=build/native/bin
      [ -x "$dir/$target" ] || dir=$(dirname "$(find build/native -name "$target" -type f -perm -u+x | head -1)")
      (cd "$dir" && timeout 900 "./$target" --gtest_brief=1 --gtest_filter="${filter:-*}") >"$log" 2>&1
      code=$?
      found=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_./]*\).*/\1/p' "$log" | sort -u)
      [ -z "$found" ] && [ $code != 0 ] && found="$target(exit $code)"
      failures+="$found"$'\n'
    done
  fi
  restore
  # Rebuilt at once, so no binary keeps the fault for the next test run.
  # shellcheck disable=SC2086
  nice cmake --build "build/$preset" --target $targets >/dev/null 2>&1 || echo "$name: rebuild after the fault failed"
  failures=$(echo "$failures" | sed '/^$/d' | sort -u | tr '\n' ' ')
  if [ -n "$failures" ]; then
    echo "$name: caught by $failures"; caught=$((caught + 1))
  else
    echo "$name: NOT CAUGHT"; missed=$((missed + 1))
  fi
  rm -f "$log"
done
echo "== $caught caught, $missed not caught"
[ $missed = 0 ]
