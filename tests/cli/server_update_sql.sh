#!/usr/bin/env bash
# `ombrix update-sql` against the private test server (OMBRIX_TEST_SOCKET): the editor's
# preselection and statements for a join, choices made by the flags, --json, --write, failures.
source "$(dirname "$0")/lib/server_test.sh" updsql "$@"
sql "$db" <<'SQL' || exit 1
CREATE TABLE orders (id INT, line INT, customer INT, PRIMARY KEY (line, id));
CREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(20), city VARCHAR(20));
SQL
form="$OMBRIX_SOURCE_DIR/tests/data/forms/updsql/ShopModule.dfm"
cp "$form" "$work/ShopModule.dfm"
server=(--host localhost --user root --database "$db")
run=("$ombrix" update-sql "$work/ShopModule.dfm" --object OrdersUpdate --socket "$OMBRIX_TEST_SOCKET"
  "${server[@]}")

# The join's first table, with the columns the query also delivers.
check "join defaults" "$("${run[@]}" | head -7)" \
  $'update orders\nset\n  id = :id,\n  customer = :customer\nwhere\n  id = :OLD_id and\n  customer = :OLD_customer'

out=$("${run[@]}" --table customers --primary-keys --fields name,city --quote-fields --json)
check "json status" "$?" "0"
check "json caption" "$(echo "$out" | grep -o '"caption": "[^"]*"')" \
  '"caption": "ShopModule.OrdersUpdate (ShopModule.Orders)"'
check "json initial table" "$(echo "$out" | grep -o '"initial": {"tables": \[[^]]*\], "tableText": "[a-z]*"')" \
  '"initial": {"tables": [{"name": "orders", "quoted": false}, {"name": "customers", "quoted": false}], "tableText": "orders"'
check "json final keys" "$(echo "$out" | grep -o '"final": .*' | grep -o '"keyFields": \[[^]]*\]')" \
  '"keyFields": [{"name": "id", "selected": true}, {"name": "name", "selected": false}, {"name": "city", "selected": false}]'
check "json modify" "$(echo "$out" | grep -o '"modify": \[[^]]*\]')" \
  '"modify": ["update customers", "set", "  customers.\"name\" = :\"name\",", "  customers.\"city\" = :\"city\"", "where", "  customers.\"id\" = :\"OLD_id\""]'
check "json messages" "$(echo "$out" | grep -o '"messages": .*')" '"messages": []}'
cmp -s "$form" "$work/ShopModule.dfm"
check "no write without --write" "$?" "0"

"${run[@]}" --table orders --primary-keys --fields customer --write >/dev/null
check "write status" "$?" "0"
check "written statement" "$(grep -c "'  customer = :customer'" "$work/ShopModule.dfm")" "1"
check "never written connected" "$(grep -c Connected "$work/ShopModule.dfm")" "0"
cp "$form" "$work/ShopModule.dfm"

out=$("${run[@]}" --table nosuch --write 2>&1)
check "unreadable table status" "$?" "1"
check "unreadable table message" "$(echo "$out" | grep -c 'Unable to determine field names for nosuch')" "1"
cmp -s "$form" "$work/ShopModule.dfm"
check "failures write nothing" "$?" "0"
exit $failed
