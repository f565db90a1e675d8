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
# The command line on a generated 16 MB form: wall time, peak memory, and the bytes unchanged.
form="$OMBRIX_BENCH_DIR/Large.dfm"
build/ombrix18/bench/bench_formfiles --generate 16 "$form"
echo "=== ombrix form roundtrip of a 16 MB form ==="
if [ -x /usr/bin/time ]; then
  /usr/bin/time -f "%e s, peak RSS %M KB" build/ombrix18/bin/ombrix form roundtrip "$form" \
    >"$form.out" || status=1
else
  time build/ombrix18/bin/ombrix form roundtrip "$form" >"$form.out" || status=1
fi
cmp -s "$form" "$form.out" || {
  echo "roundtrip changed the form" >&2
  status=1
}
exit $status
