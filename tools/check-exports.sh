#!/bin/sh
# Compares a DLL's export table with the list of the library's interface (docs/exports.txt).
#   missing: fails on a listed name the DLL does not export (a RUZI_API lost)
#   extra:   fails on an exported name the list lacks (a new public name not yet listed)
# Usage: tools/check-exports.sh missing|extra <objdump> <c++filt> <dll> <list>
set -e
LC_ALL=C
export LC_ALL
mode=$1
here=$(dirname "$0")
exported=$(mktemp)
listed=$(mktemp)
trap 'rm -f "$exported" "$listed"' EXIT
sh "$here/dll-exports.sh" "$2" "$3" "$4" > "$exported"
grep -v '^#' "$5" | grep -v '^\[' | grep -v '^$' | sort -u > "$listed"
[ -s "$exported" ] || { echo "no exports read from $4"; exit 1; }
case $mode in
  missing) differences=$(comm -13 "$exported" "$listed"); what="listed but not exported" ;;
  extra) differences=$(comm -23 "$exported" "$listed"); what="exported but not listed in $5" ;;
  *) echo "mode must be missing or extra"; exit 2 ;;
esac
if [ -n "$differences" ]; then
  echo "$what:"
  echo "$differences"
  exit 1
fi
echo "$(wc -l < "$listed") names: every one exported, none besides"
