#!/usr/bin/env bash
# Builds the 16-bit tree (optimised, without sanitizers), starts a private MariaDB server for the
# benchmarks that need one (OMBRIX_BENCH_SOCKET), runs every benchmark, and stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh ombrix18
OMBRIX_BENCH_DIR=$(mktemp -d /tmp/ombrix-bench.XXXXXX)
trap 'scripts/mariadb-server.sh stop "$OMBRIX_BENCH_DIR"; rm -rf "$OMBRIX_BENCH_DIR"' EXIT
scripts/mariadb-server.sh start "$OMBRIX_BENCH_DIR"
export OMBRIX_BENCH_SOCKET="$OMBRIX_BENCH_DIR/mysqld.sock"
status=0
for bench in build/ombrix18/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "=== $(basename "$bench") ==="
  "$bench" "$@" || status=1
done
exit $status
