#!/bin/sh
# The names a DLL exports, demangled, one per line, sorted (byte order).
# Usage: tools/dll-exports.sh <objdump> <c++filt> <dll>
set -e
LC_ALL=C
export LC_ALL
"$1" -p "$3" | awk '
  /^\[Ordinal\/Name Pointer\] Table/ { in_table = 1; next }
  in_table && /^\t\[ *[0-9]+\] / { sub(/^\t\[ *[0-9]+\] /, ""); print; next }
  in_table && !/^\t/ { in_table = 0 }
' | "$2" | sort -u
