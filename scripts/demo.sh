#!/bin/bash
# Sets everything up, builds the native server and the Windows library, starts ruzi-mwd with a
# fresh database on a free loopback port, runs a client session under Wine (the real
# ruzirareva code and wtuxws32.dll), restarts the server mid-session, and stops it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
echo "== building (first run: a few minutes)"
cmake --preset native >/dev/null
cmake --build --preset native --target ruzi ruzi-mwd >/dev/null
cmake --preset windows -DRUZI_NATIVE_BIN_DIR="$PWD/build/native/bin" >/dev/null
cmake --build --preset windows --target ruzi ruzirareva wtuxws32 qxpack >/dev/null

native=$PWD/build/native/bin
build=$PWD/build/windows
work=$PWD/build/demo
rm -rf "$work" && mkdir -p "$work"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
mkdir -p "$WINEPREFIX"
wineserver -p
stop_all() {
  "$native/ruzi" server stop --dir "$work" >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
}
trap stop_all EXIT
tools/wine-prefix.sh "$WINEPREFIX"

ruzi() { echo "\$ ruzi $*"; "$build/wine-run.sh" "$build/bin/ruzi.exe" "$@"; echo; }

echo "== ruzirareva demo"
"$native/ruzi" server start --fresh --dir "$work"
port=$(cat "$work/ruzi-mwd.port")
export WSNADDR=//127.0.0.1:$port
ruzi version
ruzi numerals 1234.56
ruzi call demo_echo '<l_fund_id>1001</l_fund_id>' || true

echo "== a client session (one process, ruzi session demo/client_session.txt)"
sed -e "s|@MARK@|$(winepath -w "$work/ready" 2>/dev/null || echo "Z:$work/ready")|" \
    -e "s|@CONTINUE@|$(winepath -w "$work/continue" 2>/dev/null || echo "Z:$work/continue")|" \
    demo/client_session.txt | iconv -f UTF-8 -t GBK >"$work/session.txt"  # scripts are GBK, as the system's texts
"$build/wine-run.sh" "$build/bin/ruzi.exe" session "$(winepath -w "$work/session.txt")" &
session=$!
for _ in $(seq 1 600); do [ -e "$work/ready" ] && break; sleep 0.1; done
echo "   (the demo restarts ruzi-mwd on port $port now)"
"$native/ruzi" server stop --dir "$work" >/dev/null
"$native/ruzi" server start --dir "$work" --port "$port" >/dev/null
touch "$work/continue"
wait $session
echo "== demo finished; the server's audit trail is in $work/ruzi-mwd.db (table mw_audit)"
