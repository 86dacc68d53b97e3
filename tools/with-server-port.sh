#!/bin/bash
# Runs a command with WSNADDR pointing at the loopback server whose port a CTest fixture wrote
# into <port file> (known only once the server runs). Every path stays an argument.
# Usage: tools/with-server-port.sh <port file> <command> [arguments…]
set -euo pipefail
port_file=$1
shift
WSNADDR=//127.0.0.1:$(<"$port_file") exec "$@"
