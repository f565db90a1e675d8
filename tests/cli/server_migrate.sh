#!/usr/bin/env bash
# `ombrix migrate` against the private test server (OMBRIX_TEST_SOCKET): the migrated datasets
# open on the server with the statements, table names and fields they carried, the converted
# update object's statements prepare there, and the run's settings never reach a file.
source "$(dirname "$0")/lib/server_test.sh" migrate "$@"
sql "$db" <<'SQL' || exit 1
CREATE TABLE customer (CustNo DOUBLE PRIMARY KEY, Company VARCHAR(30));
CREATE TABLE orders (OrderNo INT PRIMARY KEY, CustNo DOUBLE, Total INT, KEY by_customer (CustNo));
INSERT INTO customer VALUES (1001, 'Kite Shop'), (1002, 'Dive Inn');
SQL
data="$OMBRIX_SOURCE_DIR/tests/data"
cp "$data/migrate/DataMod.dfm" "$data/migrate/OrderForm.dfm" "$data/units/DataMod.pas" "$work/"
cd "$work" || exit 1
server=(--socket "$OMBRIX_TEST_SOCKET" --user root --database "$db")

OMBRIX_PASSWORD="pw-$$" "$ombrix" migrate DataMod.dfm OrderForm.dfm --add-connection ShopDb \
  --set "DatabaseName=shop" "${server[@]}" >out 2>err
check "migrate status" "$?:$(cat out)" "0:4 dataset descendants processed successfully"
check "run settings not written" \
  "$(cat DataMod.dfm OrderForm.dfm DataMod.pas | grep -c -e "pw-$$" -e "$db" -e "$OMBRIX_TEST_SOCKET" -e root)" "0"

# The query opens with the fields it took over; a dataset whose table the server lacks does not.
out=$("$ombrix" verb DataMod.dfm OrderForm.dfm --object CustQuery --index 2 --connect "${server[@]}" 2>&1)
check "query opens" "$?" "0"
out=$("$ombrix" verb DataMod.dfm OrderForm.dfm --object ItemsSet --index 2 --connect "${server[@]}" 2>&1)
check "missing table fails" "$?:$(echo "$out" | grep -c "items' doesn't exist")" "1:1"
# The table's name reaches the server: its indexes are listed.
check "table indexes" "$("$ombrix" values DataMod.dfm --object OrdersTable --property IndexName \
  "${server[@]}")" "by_customer"

# The converted update object works on its new query: fields read from the server, statements
# generated and prepared there.
out=$("$ombrix" update-sql DataMod.dfm --object CustUpdate "${server[@]}" --primary-keys \
  --fields Company --check)
check "update object on the server" "$?:$(echo "$out" | grep -c ': ok$')" "0:4"
exit $failed
