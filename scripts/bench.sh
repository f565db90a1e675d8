#!/usr/bin/env bash
# Builds the 16-bit tree (optimised, without sanitizers) and runs every benchmark in it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh ombrix18
status=0
for bench in build/ombrix18/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "=== $(basename "$bench") ==="
  "$bench" "$@" || status=1
done
exit $status
