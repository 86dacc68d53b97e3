#!/bin/bash
# Sets everything up, builds the Windows library and tools, and shows them working under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ruzi ruzirareva >/dev/null

build=$PWD/build/windows
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
tools/wine-prefix.sh "$WINEPREFIX"

ruzi() { echo "\$ ruzi $*"; "$build/wine-run.sh" "$build/bin/ruzi.exe" "$@"; echo; }

echo "== ruzirareva demo: the library's support tool under Wine"
ruzi version
ruzi help
ruzi env set TUXEDO_CONNECTION_TYPE 2
demo_ini=$build/demo.ini
rm -f "$demo_ini"
ruzi ini set "$demo_ini" 日志 级别 3
ruzi ini get "$demo_ini" 日志 级别
ruzi ini get "$demo_ini" 日志 路径 --default Logs
for command in numerals comma date pack tags sm3; do
  if "$build/wine-run.sh" "$build/bin/ruzi.exe" help "$command" >/dev/null 2>&1; then
    case $command in
      numerals) ruzi numerals 1234.56 ;;
      comma) ruzi comma 1234567.891 ;;
      date) ruzi date add 20261231 1 ;;
      sm3) ruzi sm3 abc ;;
    esac
  fi
done
echo "== demo finished"
