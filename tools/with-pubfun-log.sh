#!/bin/bash
# Runs a command, then prints what it added to today's shared log (pubfunmodel.dll's
# Logs/pubfun_<date>.log in <bin folder>) as UTF-8, so that a test can match both what the
# command printed and what it logged.
# Usage: tools/with-pubfun-log.sh <bin folder> <command> [arguments…]
set -euo pipefail
log="$1/Logs/pubfun_$(date +%F).log"
shift
before=$(stat -c %s "$log" 2>/dev/null || echo 0)
"$@"
tail -c +$((before + 1)) "$log" | iconv -f GBK -t UTF-8
