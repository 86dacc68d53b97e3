#!/bin/bash
# Proof that no run hangs at exit: against one ruzi-mwd, runs the per-call 16-thread timing
# (call_service_timing … per-call-16) and the careless host (free_in_flight_timing: FreeLibrary
# while 16 threads are in calls, then the threads joined, or an exit with the calls still in
# flight) again and again, each under a time limit, and counts the runs that ended, failed and
# hung. Minutes long: outside
# the test suite. Uses the release trees by default.
# Usage: tools/exit-hang-loop.sh [iterations] [Windows tree] [native bin folder]
# EXIT_HANG_CASES picks the cases (default: all three); EXIT_HANG_WINEDEBUG sets WINEDEBUG for
# the runs (say "+seh,+process,+thread": the trace of a run that fails or hangs is kept).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
iterations=${1:-30}
build=$(cd "${2:-$root/build/windows-release}" && pwd)
native=$(cd "${3:-$root/build/release/bin}" && pwd)
work=$(mktemp -d)
kept=$(mktemp -d /tmp/exit-hang-loop.XXXXXX)  # the output of every run that failed or hung
cases=${EXIT_HANG_CASES:-per-call-16 free-in-flight-join free-in-flight-exit}
export WINEPREFIX=$build/wineprefix WINEDEBUG=${EXIT_HANG_WINEDEBUG:--all} LC_ALL=zh_CN.UTF-8
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
cleanup() {
  "$native/ruzi" server stop --dir "$work" >/dev/null 2>&1
  wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
"$root/tools/wine-prefix.sh" "$WINEPREFIX"
"$native/ruzi" server start --fresh --dir "$work" >/dev/null || exit 1
address=//127.0.0.1:$(<"$work/ruzi-mwd.port")

declare -A ended=() failed=() hung=()
run() {  # run <name> <seconds allowed> <program> [arguments…]
  local name=$1 limit=$2
  shift 2
  # wine-run.sh execs Wine's loader: the background job's id is the program's process.
  "$build/wine-run.sh" "$build/bin/$1" "$address" "${@:2}" >"$work/output" 2>&1 &
  local pid=$! waited=0 code
  while kill -0 "$pid" 2>/dev/null && [ $waited -lt $((limit * 10)) ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if [ $waited -ge $((limit * 10)) ] && kill -0 "$pid" 2>/dev/null; then
    # Where each of its threads waits, on the Unix side (Wine's own locks included), then gone.
    if command -v gdb >/dev/null; then
      # Who holds the lock the last thread waits for: the owner's id among the live threads?
      { echo "live threads: $(ls /proc/$pid/task | tr '\n' ' ')"; grep -E 'ntdll.so' /proc/$pid/maps; } >>"$work/output" 2>&1
      timeout 60 gdb -p "$pid" -batch -ex "thread apply all bt 40" -ex "frame function ___pthread_mutex_lock" \
        -ex "print *mutex" -ex "info symbol mutex" >>"$work/output" 2>&1
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    hung[$name]=$((${hung[$name]:-0} + 1))
    cp "$work/output" "$kept/$name-$i.txt"
    echo "  $name: HUNG (killed after $limit s; output and stacks in $kept/$name-$i.txt)"
    return
  fi
  wait "$pid"
  code=$?
  if [ $code = 0 ]; then
    ended[$name]=$((${ended[$name]:-0} + 1))
  else
    failed[$name]=$((${failed[$name]:-0} + 1))
    cp "$work/output" "$kept/$name-$i.txt"
    echo "  $name: exit code $code (output in $kept/$name-$i.txt)"
  fi
}
for ((i = 1; i <= iterations; i++)); do
  for name in $cases; do
    case $name in
      per-call-16) run per-call-16 180 call_service_timing.exe per-call-16 ;;
      free-in-flight-join) run free-in-flight-join 60 free_in_flight_timing.exe join ;;
      free-in-flight-exit) run free-in-flight-exit 60 free_in_flight_timing.exe ;;
      *) echo "unknown case $name"; exit 2 ;;
    esac
  done
  echo "iteration $i of $iterations done"
done
for name in $cases; do
  echo "$name: $iterations runs, ${ended[$name]:-0} ended, ${failed[$name]:-0} failed, ${hung[$name]:-0} hung"
done
[ "${#hung[@]}" = 0 ]
