#!/bin/sh
# Fails when an object of a static archive holds state of its own: a data or bss symbol other
# than the stateless ones listed below. ruzi.exe links the platform layer beside the DLL, which
# carries it too; that is only sound while the layer keeps nothing a second copy could disagree
# with.
#   SystemClock()::clock, SystemFileSystem()::files: the operating system's clock and file
#     system, objects with a vtable and no fields (and their initialisation guards);
#   kShutdownInProgress: ntdll's RtlDllShutdownInProgress, looked up while the module loads.
# Usage: tools/check-stateless-archive.sh <nm> <archive>
set -e
LC_ALL=C
export LC_ALL
held=$("$1" -C --defined-only "$2" | awk '
  /:$/ { object = $0; next }
  NF >= 3 && $2 ~ /^[bBdD]$/ {
    name = $0
    sub(/^[0-9a-fA-F]+ [bBdD] /, "", name)
    if (name ~ /^\./) next
    if (name ~ /SystemClock\(\)::clock$/ || name ~ /SystemFileSystem\(\)::files$/ ||
        name ~ /::kShutdownInProgress$/) next
    print object " " name
  }')
if [ -n "$held" ]; then
  echo "objects of $2 that hold state (a second copy in ruzi.exe would be a second state):"
  echo "$held"
  exit 1
fi
echo "no object of $2 holds state"
