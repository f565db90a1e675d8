#!/usr/bin/env bash
# The editor verbs against the private test server (OMBRIX_TEST_SOCKET): verbs as the context
# menu shows them, a verb's dialog driven by a script, drop-down values, an ellipsis editor, and
# the failures that write nothing.
source "$(dirname "$0")/lib/server_test.sh" editors "$@"
sql "$db" <<'SQL' || exit 1
CREATE TABLE products (id INT PRIMARY KEY, name VARCHAR(20));
CREATE TABLE items (product INT, pos INT, PRIMARY KEY (product, pos));
CREATE PROCEDURE price_of(IN product INT, OUT price DECIMAL(10,2)) SET price = product * 2;
SQL
data="$OMBRIX_SOURCE_DIR/tests/data/forms/editors"
cp "$data/Catalog.dfm" "$data/Extra.dfm" "$work/"
files=("$work/Catalog.dfm" "$work/Extra.dfm")
server=(--socket "$OMBRIX_TEST_SOCKET" --host localhost --user root --database "$db")
unchanged() { cmp -s "$data/Catalog.dfm" "$work/Catalog.dfm" && echo same || echo changed; }

# Verbs as the editor names them; a component without an editor has none and runs none.
check "database verbs" "$("$ombrix" verbs "${files[@]}" --object CatalogDb)" \
  $'0\tMySQLDatabase &Editor...\n1\t&Connect to server'
check "no editor, no verbs" "$("$ombrix" verbs "${files[@]}" --object ProductsSource --json)" "[]"
out=$("$ombrix" verb "${files[@]}" --object ProductsSource --index 0 2>&1)
check "verb without verbs" "$?:$out" "1:ombrix: ProductsSource (TDataSource) has no verbs"

# The connection dialog driven by a script: the JSON report, a password shown masked, the
# change written only with --write.
printf '# the connection\ntype DBName stock\ntype DBPasswd secret\ntick CheckBox11 on\nclick OkBtn\n' \
  >"$work/conn.txt"
out=$("$ombrix" verb "${files[@]}" --object CatalogDb --index 0 --script "$work/conn.txt" --json)
check "dialog status" "$?" "0"
check "dialog result" "$(echo "$out" | grep -o '"class": "TConnForm", "caption": "[^"]*", "result": "[A-Za-z]*"')" \
  '"class": "TConnForm", "caption": "TMySQLDatabase Editor...", "result": "OK"'
check "opened text" "$(echo "$out" | grep -o '"DBName": {[^}]*}' | head -1)" \
  '"DBName": {"visible": true, "enabled": true, "text": "shop"}'
check "closed password" "$(echo "$out" | grep -o '"DBPasswd": {[^}]*}' | tail -1)" \
  '"DBPasswd": {"visible": true, "enabled": true, "text": "******"}'
check "closed check box" "$(echo "$out" | grep -o '"CheckBox11": {[^}]*}' | tail -1)" \
  '"CheckBox11": {"visible": true, "enabled": true, "caption": "SSL", "checked": true}'
check "report end" "$(echo "$out" | grep -o '"messages": .*')" '"messages": [], "modified": true, "error": null}'
check "not written without --write" "$(unchanged)" "same"
OMBRIX_PASSWORD=fromenv "$ombrix" verb "${files[@]}" --object CatalogDb --index 0 \
  --script "$work/conn.txt" --write >/dev/null 2>&1
check "written" "$(grep -c "DatabaseName = 'stock'" "$work/Catalog.dfm")" "1"
check "run password never written" "$(grep -c fromenv "$work/Catalog.dfm")" "0"
cp "$data/Catalog.dfm" "$work/"

# A line that does not fit names itself; a line no dialog took fails too; nothing is written.
printf 'type DBName stock\nchoose cbCharset klingon\nclick OkBtn\n' >"$work/bad.txt"
out=$("$ombrix" verb "${files[@]}" --object CatalogDb --index 0 --script "$work/bad.txt" --write 2>&1)
check "bad line status" "$?" "1"
check "bad line named" "$(echo "$out" | grep -c "bad.txt: line 2 (Choose 'klingon' in cbCharset): cbCharset has no entry 'klingon'")" "1"
printf 'click OkBtn\nclick OkBtn\n' >"$work/long.txt"
out=$("$ombrix" verb "${files[@]}" --object CatalogDb --index 0 --script "$work/long.txt" --write 2>&1)
check "unused line" "$?:$(echo "$out" | grep -c 'long.txt: line 2: no dialog or message box')" "1:1"
out=$("$ombrix" verb "${files[@]}" --object CatalogDb --index 0 --script "$work/long.txt" --json)
check "unused line json" "$(echo "$out" | grep -o '"error": "[^"]*"')" \
  "\"error\": \"$work/long.txt: line 2: no dialog or message box was left for it\""
check "failures write nothing" "$(unchanged)" "same"

# Drop-down values from the server, sorted as the editor asks, and its attributes.
check "tables" "$("$ombrix" values "${files[@]}" --object Products --property TableName "${server[@]}")" \
  $'items\nproducts'
check "attributes" "$("$ombrix" values "${files[@]}" --object Products --property TableName --attributes)" \
  "paValueList paMultiSelect paSortList"
check "procedures" "$("$ombrix" values "${files[@]}" --object Prices --property ProcedureName "${server[@]}" --json)" \
  '["price_of"]'
out=$("$ombrix" values "${files[@]}" --object Loose --property TableName 2>&1)
check "refusal" "$?:$out" "1:ombrix: Database property is not set"

# Master sources, sorted: every open file's data sources, another file's as FORM.NAME, without those
# linked to a selected table.
check "master sources" "$("$ombrix" values "${files[@]}" --object Lines --property MasterSource)" \
  $'Extra.ExtraSource\nProductsSource'
check "master sources of two" \
  "$("$ombrix" values "${files[@]}" --object Lines,Products --property MasterSource)" "Extra.ExtraSource"

# The parameters of a procedure, read from the server, in the host's collection editor.
printf 'choose ItemList 1 - price\nclick CloseButton\n' >"$work/params.txt"
out=$("$ombrix" edit "${files[@]}" --object Prices --property Params --script "$work/params.txt" \
  "${server[@]}" --json)
check "params status" "$?" "0"
check "params listed" "$(echo "$out" | grep -o '"ItemList": {[^}]*}' | tail -1)" \
  '"ItemList": {"visible": true, "enabled": true, "items": ["0 - product", "1 - price"], "selected": ["1 - price"]}'
exit $failed
