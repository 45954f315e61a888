#!/bin/bash
# Starts or stops the tests' HTTP server (pageserver.py) for the programs in DIR.
#   pageserver.sh start DIR   the port lands in DIR/http-server.port
#   pageserver.sh stop DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$2
case "$1" in
  start)
    bash "$0" stop "$dir"
    rm -f "$dir/http-server.port" "$dir/http-requests.log"
    # Detached, its output in a file: the test runner must not wait for it.
    setsid python3 "$here/pageserver.py" "$dir" </dev/null >"$dir/http-server.out" 2>&1 &
    echo $! > "$dir/http-server.pid"
    for _ in $(seq 100); do
      [ -s "$dir/http-server.port" ] && { echo "page server on port $(cat "$dir/http-server.port")"; exit 0; }
      sleep 0.1
    done
    echo "page server did not start:"; cat "$dir/http-server.out"; exit 1
    ;;
  stop)
    if [ -f "$dir/http-server.pid" ]; then
      kill "$(cat "$dir/http-server.pid")" 2>/dev/null || true
      rm -f "$dir/http-server.pid"
    fi
    ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
