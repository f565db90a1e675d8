#!/usr/bin/env bash
# `ombrix update-sql --check` against the private test server: each statement prepared, never
# run; quoted names accepted; a missing column reported with the server's message and exit 1.
source "$(dirname "$0")/lib/server_test.sh" check "$@"
sql "$db" <<'SQL' || exit 1
CREATE TABLE orders (id INT PRIMARY KEY, customer INT, total INT);
CREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(20));
INSERT INTO orders VALUES (1, 1, 10), (2, 1, 20);
SQL
form="$OMBRIX_SOURCE_DIR/tests/data/forms/updsql/ShopModule.dfm"
run=("$ombrix" update-sql --object OrdersUpdate --socket "$OMBRIX_TEST_SOCKET" --user root
  --database "$db")

out=$("${run[@]}" "$form" --table orders --primary-keys --fields customer,total --check)
check "generated status" "$?" "0"
check "generated checks" "$(echo "$out" | tail -4)" $'modify: ok\ninsert: ok\ndelete: ok\nrefresh: ok'

# Quoted field names need a session that takes double quotes as identifiers.
out=$("${run[@]}" "$form" --table orders --primary-keys --fields total --quote-fields --check --json)
check "quoted names status" "$?" "0"
check "quoted names modify" "$(echo "$out" | grep -o '"  orders.\\"total\\" = :\\"total\\""')" \
  '"  orders.\"total\" = :\"total\""'
check "quoted names checks" "$(echo "$out" | grep -o '"checks": .*')" \
  '"checks": {"modify": null, "insert": null, "delete": null, "refresh": null}}'

# Statements kept from the file: a column the table lacks, and statements that would change
# rows if they ran.
sed -e "/object OrdersUpdate/a\\
    ModifySQL.Strings = (\\
      'update orders set nosuch = :nosuch where id = :OLD_id')\\
    InsertSQL.Strings = (\\
      'update orders set total = 0')\\
    DeleteSQL.Strings = (\\
      'delete from orders')" "$form" >"$work/Kept.dfm"
cp "$work/Kept.dfm" "$work/Kept.orig"
out=$("${run[@]}" "$work/Kept.dfm" --no-generate --check --write 2>"$work/err")
check "bad column status" "$?" "1"
check "bad column checks" "$(echo "$out" | tail -4)" \
  $'modify: Unknown column \'nosuch\' in \'SET\'\ninsert: ok\ndelete: ok\nrefresh: empty'
check "bad column message" "$(cat "$work/err")" \
  "ombrix: a statement did not prepare on the server; nothing written"
cmp -s "$work/Kept.dfm" "$work/Kept.orig"
check "failed check writes nothing" "$?" "0"
check "nothing ran" "$(sql -N "$db" -e 'SELECT COUNT(*), SUM(total) FROM orders')" $'2\t30'
out=$("${run[@]}" "$work/Kept.dfm" --no-generate --check --json 2>/dev/null)
check "bad column json" "$(echo "$out" | grep -o '"checks": .*')" \
  "\"checks\": {\"modify\": \"Unknown column 'nosuch' in 'SET'\", \"insert\": null, \"delete\": null, \"refresh\": null}}"
exit $failed
