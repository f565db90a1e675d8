#!/usr/bin/env bash
# The main job: installs what is missing, builds the command line of the 16-bit tree, starts a
# private MariaDB server with the sample shop (samples/shop.sql), and does what a user of the
# package does with the sample data module (samples/ShopData.dfm): looks at the server, runs the
# update SQL editor on the update object, checks the statements on the server and writes them to
# a copy of the form; then migrates a data module of the oldest family (samples/LegacyData.dfm)
# with its unit. The server stops on every path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset ombrix18 >/dev/null
cmake --build --preset ombrix18 --target ombrix -j "$(nproc)"
ombrix=build/ombrix18/bin/ombrix
export LC_ALL=C.UTF-8

server=$(mktemp -d /tmp/ombrix-demo.XXXXXX)
work=$(mktemp -d)
trap 'scripts/mariadb-server.sh stop "$server"; rm -rf "$server" "$work"' EXIT
trap 'exit 130' INT TERM
scripts/mariadb-server.sh start "$server"
socket="$server/mysqld.sock"
mariadb --no-defaults -S "$socket" -uroot -e "CREATE DATABASE shop"
mariadb --no-defaults -S "$socket" -uroot shop <samples/shop.sql

# command_line ARGS...: prints the command line.
command_line() {
  printf '\n$ ombrix'
  for arg in "$@"; do
    if [[ $arg =~ ^[A-Za-z0-9_,.=/:-]+$ ]]; then printf ' %s' "$arg"; else printf " '%s'" "$arg"; fi
  done
  printf '\n'
}
# show ARGS...: prints the command line, then runs it.
show() {
  command_line "$@"
  "$ombrix" "$@"
}
# The run's own server; the form keeps its settings (host db.shop.example, user shop).
here=(--socket "$socket" --user root --database shop)
# The editor's lists as JSON shows them: the table, then [x] for each selected field.
preselection() {
  jq -r '.initial | "table: \(.tableText) (offered: \([.tables[].name] | join(", ")))",
    "key fields:    \([.keyFields[] | (if .selected then "[x] " else "[ ] " end) + .name] | join("  "))",
    "update fields: \([.updateFields[] | (if .selected then "[x] " else "[ ] " end) + .name] | join("  "))"'
}

echo "== The sample data module: a query with an update object, its connection saved as"
echo "   connected to a server that is not here (loading connects nobody)"
tr -d '\r' <samples/ShopData.dfm | sed -n '5,22p'

echo
echo "== What the private server holds"
show db "${here[@]}" tables
show db "${here[@]}" fields orders

echo
echo "== The update SQL editor on updOrders as it opens: its preselection from the query"
opening=(update-sql samples/ShopData.dfm --object updOrders "${here[@]}" --no-generate --json)
command_line "${opening[@]}"
"$ombrix" "${opening[@]}" | preselection

echo
echo "== Select Primary Keys, Generate SQL, OK; each statement prepared on the server (--check)"
show update-sql samples/ShopData.dfm --object updOrders "${here[@]}" --primary-keys \
  --fields customer_id,order_date,status,total --check

echo
echo "== The same, written to a copy of the form"
cp samples/ShopData.dfm samples/ShopData.pas "$work/"
show update-sql "$work/ShopData.dfm" --object updOrders "${here[@]}" --primary-keys \
  --fields customer_id,order_date,status,total --check \
  --write >/dev/null
echo
echo "== The copy differs from the sample only in the update object"
diff -u --label samples/ShopData.dfm --label copy/ShopData.dfm samples/ShopData.dfm \
  "$work/ShopData.dfm" | tr -d '\r' || true

echo
echo "== The SQL scanner and generator on their own"
show sql tables --sql 'select o.id, l.amount from orders o, "order lines" l where l.order_id = o.id'
show sql generate --table 'order lines' --quoted-table --keys order_id,line --fields amount \
  --quote-fields

echo
echo "== The design-time package, loaded as a designer loads it: what its Register registers"
show package info

echo
echo "== The package's editors on the forms, found through what Register registered"
# The lines of an order, in a form of their own: its table names the other form's objects.
cp samples/OrderLines.dfm samples/OrderLines.pas "$work/"
tr -d '\r' <samples/OrderLines.dfm
forms=("$work/ShopData.dfm" "$work/OrderLines.dfm")
show verbs "${forms[@]}" --object qOrders
echo "-- drop-downs of the object inspector: the table names, and the master sources of both forms"
show values "${forms[@]}" --object tLines --property TableName "${here[@]}"
show values "${forms[@]}" --object tLines --property MasterSource
echo "-- the SQL editor of qOrders, driven by a dialog script (one user action per line)"
printf 'type mmSQL select * from customers\nclick OkButton\n' | tee "$work/sql.txt"
sql_verb=(verb "${forms[@]}" --object qOrders --index 1 --script "$work/sql.txt" "${here[@]}"
  --connect --json)
command_line "${sql_verb[@]}"
"$ombrix" "${sql_verb[@]}" | jq -c '{dialogs: [.dialogs[] | {class, result, sql: .closed.mmSQL.text}], modified}'
echo "-- the field link designer on tLines.MasterFields: order_id joined with the master's id"
printf 'choose DetailList order_id\nchoose MasterList id\nclick AddButton\nclick Button1\n' |
  tee "$work/link.txt"
link_edit=(edit "${forms[@]}" --object tLines --property MasterFields --script "$work/link.txt"
  "${here[@]}" --write --json)
command_line "${link_edit[@]}"
"$ombrix" "${link_edit[@]}" |
  jq -c '{dialogs: [.dialogs[] | {class, result, joined: .closed.BindList.items}], modified}'
grep -E 'MasterFields|IndexFieldNames|IndexName' "$work/OrderLines.dfm"

echo
echo "== The migrator: a data module of the oldest family (samples/LegacyData.dfm and its unit)"
echo "   converted on a copy to the library's datasets, a new connection on the module"
cp samples/LegacyData.dfm samples/LegacyData.pas "$work/"
migrate=(migrate "$work/LegacyData.dfm" --add-connection ShopDb --set DatabaseName=shop
  --set Host=db.shop.example --set UserName=shop --json)
command_line "${migrate[@]}"
"$ombrix" "${migrate[@]}" | jq -r '.message, (.forms[] | (.pairs[] | "  \(.old): \(.oldClass) -> \(.newClass)"),
  "  data sources retargeted: \(.dataSources | join(", "))", "  removed: \(.removed | join(", "))",
  "  unit: \(.unit)"), "written: \(.written | map(split("/")[-1]) | join(", "))"'
echo "-- the form: new components last in the module, statements, events and fields carried over"
diff -u --label samples/LegacyData.dfm --label copy/LegacyData.dfm samples/LegacyData.dfm \
  "$work/LegacyData.dfm" | tr -d '\r' || true
echo "-- the unit, as a designer keeps it in step with the form"
diff -u --label samples/LegacyData.pas --label copy/LegacyData.pas samples/LegacyData.pas \
  "$work/LegacyData.pas" | tr -d '\r' || true
echo "-- the converted query opens on the server with the fields it took over"
open_query=(verb "$work/LegacyData.dfm" --object qCustomers --index 2 "${here[@]}" --connect --json)
command_line "${open_query[@]}"
"$ombrix" "${open_query[@]}" | jq -c '{error}'
