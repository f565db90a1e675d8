#!/usr/bin/env bash
# Installs what is missing, builds both string widths, starts a private MariaDB server, runs every
# test of both builds, and stops the server on every path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh ombrix18 ombrix8

export OMBRIX_TEST_DIR
OMBRIX_TEST_DIR=$(mktemp -d /tmp/ombrix-test.XXXXXX)
trap 'scripts/mariadb-server.sh stop "$OMBRIX_TEST_DIR"; rm -rf "$OMBRIX_TEST_DIR"' EXIT
scripts/mariadb-server.sh start "$OMBRIX_TEST_DIR"
export OMBRIX_TEST_SOCKET="$OMBRIX_TEST_DIR/mysqld.sock"
OMBRIX_TEST_PORT=$(cat "$OMBRIX_TEST_DIR/port")
export OMBRIX_TEST_PORT

# Widget tests draw offscreen; a display is never needed.
export QT_QPA_PLATFORM=offscreen
status=0
for preset in ombrix18 ombrix8; do
  echo "=== tests of build/$preset ==="
  ctest --preset "$preset" -j "$(nproc)" || status=1
done
exit $status
