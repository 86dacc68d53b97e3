#!/bin/bash
# The demo's steps on trees already built: starts ruzi-mwd (the native tree's) with a fresh
# database in <work>, runs a few commands and a client session under Wine (the Windows tree's
# ruzi.exe, ruzirareva code and wtuxws32.dll), restarts the server mid-session and stops it.
# The caller owns the Wine prefix and its wineserver (scripts/demo.sh, or the Wine test run).
# Paths only ever travel as arguments and working folders, never inside a text that is re-read,
# so any folder works (even one whose Windows form holds "\n" or "\t").
# Usage: tools/demo-session.sh <native bin folder> <Windows build tree> <work folder>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
native=$1 build=$2 work=$3
mkdir -p "$work"
stop_server() { "$native/ruzi" server stop --dir "$work" >/dev/null 2>&1 || true; }
trap stop_server EXIT
rm -f "$work/ready" "$work/continue"

ruzi() { echo "\$ ruzi $*"; "$build/wine-run.sh" "$build/bin/ruzi.exe" "$@"; echo; }

"$native/ruzi" server start --fresh --dir "$work"
port=$(<"$work/ruzi-mwd.port")
export WSNADDR=//127.0.0.1:$port
ruzi version
ruzi numerals 1234.56
ruzi call demo_echo '<l_fund_id>1001</l_fund_id>' || true

echo "== a client session (one process, ruzi session demo/client_session.txt)"
# The script reaches ruzi on its input (scripts are GBK, as the system's texts); its "mark"
# and "wait" files are named relative to the work folder, where the session runs.
iconv -f UTF-8 -t GBK "$here/demo/client_session.txt" |
  (cd "$work" && exec "$build/wine-run.sh" "$build/bin/ruzi.exe" session -) &
session=$!
for _ in $(seq 1 600); do [ -e "$work/ready" ] && break; sleep 0.1; done
[ -e "$work/ready" ] || { echo "the session never reached its mark"; exit 1; }
echo "   (the demo restarts ruzi-mwd on port $port now)"
"$native/ruzi" server stop --dir "$work" >/dev/null
"$native/ruzi" server start --dir "$work" --port "$port" >/dev/null
touch "$work/continue"
wait $session
echo "== demo finished; the server's audit trail is in $work/ruzi-mwd.db (table mw_audit)"
