# Sourced by the command-line tests that need the private test server (OMBRIX_TEST_SOCKET):
#   source "$(dirname "$0")/lib/server_test.sh" NAME "$@"
# sets $ombrix, a fresh database $db (created here, dropped on exit), a folder $work, sql() for
# the server's client, and check LABEL GOT WANT, which records a failure in $failed.
set -uo pipefail
ombrix=${2:?path of ombrix}
: "${OMBRIX_TEST_SOCKET:?run through scripts/test.sh}"
export LC_ALL=C.UTF-8
db="ombrix_${1}_$$"
work=$(mktemp -d)
sql() { mariadb --no-defaults -S "$OMBRIX_TEST_SOCKET" -uroot "$@"; }
trap 'sql -e "DROP DATABASE IF EXISTS $db"; rm -rf "$work"' EXIT
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}
sql -e "CREATE DATABASE $db" || exit 1
