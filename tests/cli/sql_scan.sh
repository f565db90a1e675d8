#!/usr/bin/env bash
# `ombrix sql tables` and `ombrix sql parse-update`, from --sql and from standard input.
set -uo pipefail
ombrix=${1:?path of ombrix}
export LC_ALL=C.UTF-8
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}

check "tables from --sql" "$("$ombrix" sql tables --sql 'select * from "order lines" ol, customers c')" \
  $'order lines\tquoted\ncustomers'
check "tables from stdin" "$(printf 'SELECT a\nFROM Заказы з, café\n' | "$ombrix" sql tables)" \
  $'Заказы\ncafé'
check "no tables" "$("$ombrix" sql tables --sql 'update t set a = 1' | wc -c)" "0"

check "parse-update" \
  "$(printf 'update t\nset\n  a = :a,\n  b = :b\nwhere\n  id = :OLD_id and\n  k2 = :OLD_k2\n' |
    "$ombrix" sql parse-update)" $'table: t\nset: a,b\nwhere: id,k2'
check "parse-update of another statement" "$("$ombrix" sql parse-update --sql 'select 1' | cat -A)" \
  $'table: $\nset: $\nwhere: $'
# An empty --sql is a statement too, not a request to read standard input.
check "empty --sql" "$(echo 'update t' | "$ombrix" sql parse-update --sql '' | head -1)" "table: "

# The generated modify statement reads back.
check "round trip" "$("$ombrix" sql generate --table t --keys id,k2 --fields a,b | sed '/^$/q' |
  "$ombrix" sql parse-update)" $'table: t\nset: a,b\nwhere: id,k2'

for args in "" "tables --bogus" "parse-update extra" "nonsense"; do
  eval "set -- $args"
  "$ombrix" sql "$@" </dev/null >/dev/null 2>&1
  status=$?
  [ $status -eq 2 ] || {
    echo "FAIL: status $status for: sql $args" >&2
    failed=1
  }
done
exit $failed
