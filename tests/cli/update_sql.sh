#!/usr/bin/env bash
# `ombrix update-sql` failures that need no server: each prints why and exits 1, writing nothing.
set -uo pipefail
ombrix=${1:?path of ombrix}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}
form="$OMBRIX_SOURCE_DIR/tests/data/forms/updsql/ShopModule.dfm"
cp "$form" "$work/ShopModule.dfm"

out=$("$ombrix" update-sql "$work/ShopModule.dfm" --object Nobody --write 2>&1)
check "unknown object status" "$?" "1"
check "unknown object message" "$out" "ombrix: no component named Nobody in the given form files"
out=$("$ombrix" update-sql "$work/ShopModule.dfm" --object ShopDb --write 2>&1)
check "not an update object" "$out" "ombrix: ShopDb is a TmySQLDatabase, not an update object"
out=$("$ombrix" update-sql "$work/ShopModule.dfm" --object OrdersUpdate --host localhost \
  --socket /nonexistent/mysqld.sock --write 2>&1)
check "server down status" "$?" "1"
check "server down message" "$(echo "$out" | grep -c "^ombrix: Can't connect")" "1"
out=$("$ombrix" update-sql "$work/missing.dfm" --object OrdersUpdate 2>&1)
check "missing file status" "$?" "1"
check "missing file message" "$(echo "$out" | grep -c "missing.dfm")" "1"
"$ombrix" update-sql "$work/ShopModule.dfm" --object OrdersUpdate --port 65536 >/dev/null 2>&1
check "port out of range" "$?" "2"
cmp -s "$form" "$work/ShopModule.dfm"
check "failures write nothing" "$?" "0"
exit $failed
