#!/bin/sh
# Fails when a DLL links __cxa_thread_atexit, the C++ runtime's thread-exit key for
# thread_local objects with destructors (see tests/CMakeLists.txt).
# Usage: tools/check-thread-exit-key.sh <nm> <dll>...
nm=$1
shift
found=0
for dll in "$@"; do
  if "$nm" "$dll" | grep -q " T __cxa_thread_atexit$"; then
    echo "$dll: carries __cxa_thread_atexit (a thread_local with a destructor)"
    found=1
  fi
done
[ $# -gt 0 ] || { echo "no DLLs given"; exit 1; }
exit $found
