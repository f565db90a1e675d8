#!/usr/bin/env bash
# `ombrix migrate` on forms of every family with their units: what is converted, moved,
# retargeted and removed, the units as a designer writes them, the target connection, families,
# a second run keeping the sources, a run that fails writing nothing, --dry-run, bad arguments,
# and the same unit step under `edit --property Execute`.
set -uo pipefail
ombrix=${1:?path of ombrix}
data=${OMBRIX_SOURCE_DIR:?}/tests/data
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}
# fresh DIR: the four sample forms (BDE, ADO, dbExpress, Zeos) and their units in a new folder.
fresh() {
  rm -rf "${work:?}/$1"
  mkdir "$work/$1"
  cp "$data"/migrate/{DataMod,OrderForm,DbxForm,ZeosForm}.dfm "$data"/migrate/{DbxForm,ZeosForm}.pas \
    "$data"/units/{DataMod,OrderForm}.pas "$work/$1/"
  cd "$work/$1" || exit 1
}
# block NAME FILE: the object block of that name.
block() { tr -d '\r' <"$2" | awk -v name="$1" '
  !on && $0 ~ "^ *object " name ":" { on = 1; match($0, /^ */); indent = RLENGTH }
  on { print }
  on && $0 ~ /^ *end$/ { match($0, /^ */); if (RLENGTH == indent) exit }'; }
has() { block "$1" "$2" | grep -c -F -e "$3"; }
forms=(DataMod.dfm OrderForm.dfm DbxForm.dfm ZeosForm.dfm)

# Every family at once, a new connection on the first form.
fresh all
"$ombrix" migrate "${forms[@]}" --add-connection MySQLDatabase1 --set DatabaseName=shop \
  --set ServerPort=3307 --json >out.json 2>err
check "families status" "$?" "0"
check "families quiet" "$(cat err)" ""
check "message" "$(jq -r .message out.json)" "11 dataset descendants processed successfully"
check "pairs" "$(jq -r '[.forms[].pairs[] | "\(.old):\(.oldClass)>\(.new):\(.newClass)"] | join(" ")' out.json)" \
  "OrdersTable:TTable>OrdersTable:TmySQLTable CustQuery:TQuery>CustQuery:TmySQLQuery ItemsSet:TADODataSet>ItemsSet:TmySQLQuery OrdersQuery:TADOQuery>OrdersQuery:TmySQLQuery CloseProc:TSQLStoredProc>CloseProc:TmySQLStoredProc ProductsTable:TSQLTable>ProductsTable:TmySQLTable LinesSet:TSQLDataSet>LinesSet:TmySQLQuery CustomersQuery:TSQLQuery>CustomersQuery:TmySQLQuery ZStoredProc1:TZStoredProc>ZStoredProc1:TmySQLStoredProc ZTable1:TZTable>ZTable1:TmySQLTable ZQuery1:TZQuery>ZQuery1:TmySQLQuery"
check "per form" "$(jq -r '.forms[] | "\(.file) \(.dataSources) \(.lookupFields) \(.removed) \(.unit)"' out.json)" \
  'DataMod.dfm ["CustSource","OrdersSource"] [] ["Die_OrdersTable","Die_CustUpdate","Die_CustQuery"] changed
OrderForm.dfm ["OrdersSource","ItemsSource"] ["OrdersQueryCompany"] ["Die_ItemsSet","Die_OrdersQuery"] changed
DbxForm.dfm ["dsCustomers"] [] ["Die_CloseProc","Die_ProductsTable","Die_LinesSet","Die_CustomersQuery"] changed
ZeosForm.dfm [] [] ["Die_ZStoredProc1","Die_ZTable1","Die_ZUpdateSQL1","Die_ZQuery1"] changed'
check "written" "$(jq -r '.written | join(" ")' out.json)" \
  "DataMod.dfm OrderForm.dfm DbxForm.dfm ZeosForm.dfm DataMod.pas OrderForm.pas DbxForm.pas ZeosForm.pas"
for unit in DataMod OrderForm; do
  cmp -s $unit.pas "$data/units/$unit.converted.pas"
  check "$unit unit" "$?" "0"
done
for unit in DbxForm ZeosForm; do
  cmp -s $unit.pas "$data/migrate/$unit.converted.pas"
  check "$unit unit" "$?" "0"
done
check "no foreign dataset left" "$(cat "${forms[@]}" | grep -c -E ': T(Query|Table|StoredProc|UpdateSQL|ADO(Query|DataSet|Table)|SQL(Query|DataSet|Table|StoredProc)|Z(Query|Table|StoredProc|UpdateSQL))\b')" "0"
check "nested table and connections stay" "$(cat "${forms[@]}" | tr -d '\r' | grep -c -E ': T(NestedTable|Database|ADOConnection|SQLConnection|ZConnection)$')" "5"
check "migrator gone" "$(cat "${forms[@]}" | grep -c BDE2Ombrix)" "0"
check "new connection" "$(block MySQLDatabase1 DataMod.dfm | sed -n '2,3p' | tr -d ' ')" \
  "DatabaseName='shop'
ServerPort=3307"
check "connection across forms" "$(grep -c 'Database = MastData.MySQLDatabase1' DbxForm.dfm)" "4"
check "statement" "$(has CustQuery DataMod.dfm "'where CustNo >= :Min')")" "1"
check "multi-line command text" "$(block ItemsSet OrderForm.dfm | grep -A3 SQL.Strings | tr -d ' ')" \
  "SQL.Strings=(
'selectOrderID,Item,Qty'
'fromitems'
'whereOrderID=:ID')"
check "table with filter" "$(block OrdersTable DataMod.dfm | grep -c -E "TableName = 'orders'|Filter = 'Total > 0'|Filtered = True")" "3"
check "procedures" "$(grep -h -c -E "ProcedureName = '(close_order|restock)'" DbxForm.dfm ZeosForm.dfm)" "1
1"
check "events" "$(has CustQuery DataMod.dfm "BeforeOpen = CustQueryBeforeOpen")$(has OrdersQuery OrderForm.dfm "AfterScroll = OrdersQueryAfterScroll")$(has ZQuery1 ZeosForm.dfm "AfterPost = ZQuery1AfterPost")" "111"
check "fields moved, doubled name repaired" "$(block OrdersQuery OrderForm.dfm | grep -o 'object [A-Za-z]*: T[A-Za-z]*Field')" \
  "object OrdersQueryID: TAutoIncField
object OrdersQueryCustomer: TWideStringField
object OrdersQueryCompany: TStringField"
check "lookup across forms" "$(has OrdersQuery OrderForm.dfm "LookupDataSet = MastData.CustQuery")" "1"
check "data source across forms" "$(has dsCustomers DbxForm.dfm "DataSet = MastData.CustQuery")" "1"
check "update objects" "$(has CustQuery DataMod.dfm "UpdateObject = CustUpdate")$(has CustUpdate DataMod.dfm "TmySQLUpdateSQL")$(has ZUpdateSQL1 ZeosForm.dfm "'update products set Name = :Name where ID = :OLD_ID')")" "111"
check "no master link, cache or detail source carried" "$(block OrdersTable DataMod.dfm; block CustQuery DataMod.dfm; block ItemsSet OrderForm.dfm)" \
  "$(block OrdersTable DataMod.dfm | grep -v -E 'Master|IndexField|CachedUpdates|DataSource'; block CustQuery DataMod.dfm | grep -v -E 'CachedUpdates|RequestLive'; block ItemsSet OrderForm.dfm | grep -v DataSource)"

# On a terminal, standard error shows how far the run is.
if command -v script >/dev/null; then
  fresh progress
  out=$(script -qec "'$ombrix' migrate ${forms[*]} --add-connection Db" /dev/null | tr '\r' '\n')
  check "progress" "$(echo "$out" | grep -c -E 'read 4 of 4 files$|11 datasets converted, 8 files written$')" "2"
fi

# Only the families asked for; a form that does not change keeps its unit untouched.
fresh families
"$ombrix" migrate DataMod.dfm ZeosForm.dfm --add-connection Db --families BDE --json >out.json
check "families filter" "$?:$(jq -c '[.forms[] | [(.pairs | length), .unit]]' out.json)" \
  '0:[[2,"changed"],[0,"unchanged"]]'
cmp -s ZeosForm.dfm "$data/migrate/ZeosForm.dfm" && cmp -s ZeosForm.pas "$data/migrate/ZeosForm.pas"
check "unconverted family untouched" "$?" "0"

# Keeping the sources, twice: the leftovers are converted again under one more prefix.
fresh keep
"$ombrix" migrate DataMod.dfm --add-connection MySQLDatabase1 --keep-sources >out 2>err
check "keep status" "$?:$(cat out)" "0:2 dataset descendants processed successfully"
check "keep written" "$(cat err)" "written: DataMod.dfm
written: DataMod.pas"
cmp -s DataMod.pas "$data/units/DataMod.kept.pas"
check "keep unit" "$?" "0"
"$ombrix" migrate DataMod.dfm --connection MySQLDatabase1 --keep-sources --json >out.json
check "second run" "$?:$(jq -r '[.forms[0].pairs[] | "\(.old)>\(.new)"] | join(" ")' out.json)" \
  "0:Die_OrdersTable>Die_OrdersTable Die_CustQuery>Die_CustQuery"
check "second run names" "$(tr -d '\r' <DataMod.dfm | grep -o -E 'object Die_[A-Za-z_]*: T[A-Za-z]*' | sort | tr '\n' ' ')" \
  "object Die_CustQuery: TmySQLQuery object Die_CustUpdate: TmySQLUpdateSQL object Die_Die_CustQuery: TQuery object Die_Die_CustUpdate: TUpdateSQL object Die_Die_OrdersTable: TTable object Die_OrdersTable: TmySQLTable "
check "second run unit" "$(tr -d '\r' <DataMod.pas | grep -E '^    Die_' | tr -d ' ')" \
  "Die_CustQuery:TmySQLQuery;
Die_Die_CustQuery:TQuery;
Die_OrdersTable:TmySQLTable;
Die_Die_OrdersTable:TTable;
Die_CustUpdate:TmySQLUpdateSQL;
Die_Die_CustUpdate:TUpdateSQL;"

# The connection by name: the earlier of two on a form, and FORM.NAME from another form.
fresh named
printf '%s\n' 'object Conns: TConns' '  object Db1: TmySQLDatabase' "    DatabaseName = 'one'" '  end' \
  '  object Db2: TmySQLDatabase' "    DatabaseName = 'two'" '  end' '  object Query1: TQuery' \
  "    SQL.Strings = ('select 1')" '  end' 'end' >Conns.dfm
"$ombrix" migrate Conns.dfm --connection Db1 >/dev/null 2>&1
check "earlier connection" "$?:$(has Query1 Conns.dfm 'Database = Db1')" "0:1"
"$ombrix" migrate DbxForm.dfm Conns.dfm --connection Conns.Db1 >/dev/null 2>&1
check "FORM.NAME" "$?:$(grep -c 'Database = Conns.Db1' DbxForm.dfm)" "0:4"
"$ombrix" migrate DbxForm.dfm Conns.dfm --connection Conns.Query1 2>err
check "not a connection" "$?:$(cat err)" "1:ombrix: Conns.Query1 is a TmySQLQuery, not a connection"

# A name clash on one form fails the run: no form and no unit changes, no file is left over.
fresh clash
printf '%s\r\n' 'object Clash: TClash' '  object Query1: TQuery' '  end' '  object Die_Query1: TDataSource' \
  '  end' 'end' >Clash.dfm
printf '%s\r\n' 'unit Clash;' 'interface' 'type' '  TClash = class(TForm)' '    Query1: TQuery;' \
  '    Die_Query1: TDataSource;' '  end;' 'implementation' 'end.' >Clash.pas
cp -r . ../clash.before
"$ombrix" migrate DataMod.dfm Clash.dfm --add-connection MySQLDatabase1 --json >out 2>err
check "clash status" "$?:$(cat out)" "1:"
check "clash message" "$(cat err)" \
  "ombrix: Cannot rename Clash.Query1 to Die_Query1: a component named Die_Query1 already exists"
rm out err
diff -r . ../clash.before >/dev/null
check "clash writes nothing" "$?" "0"

# A component an inherited form takes from its ancestor cannot be renamed there.
printf '%s\n' 'inherited Child: TChild' '  inherited Query1: TQuery' '  end' '  object Db: TmySQLDatabase' \
  '  end' 'end' >Child.dfm
cp Child.dfm ../Child.before
"$ombrix" migrate Child.dfm --connection Db 2>err
check "inherited" "$?:$(cat err)" "1:ombrix: Cannot rename Child.Query1: it was introduced in an ancestor form"
cmp -s Child.dfm ../Child.before
check "inherited writes nothing" "$?" "0"

# --dry-run reports the run and writes nothing.
fresh dry
cp -r . ../dry.before
"$ombrix" migrate "${forms[@]}" --add-connection MySQLDatabase1 --dry-run --json >../dry.json
check "dry run" "$?:$(jq -c '[.message, [.forms[].unit], .written]' ../dry.json)" \
  '0:["11 dataset descendants processed successfully",["changed","changed","changed","changed"],[]]'
diff -r . ../dry.before >/dev/null
check "dry run writes nothing" "$?" "0"

# A unit without the form's class is left alone and reported; the forms are still written.
fresh alone
sed -i 's/TDbxForm = class/TOtherForm = class/' DbxForm.pas
cp DbxForm.pas ../DbxForm.alone
"$ombrix" migrate DbxForm.dfm --add-connection Db --json >out.json 2>err
check "unit left alone" "$?:$(jq -c '[.forms[0].unit, .written]' out.json)" '0:["unchanged",["DbxForm.dfm"]]'
check "unit report" "$(cat err)" \
  "ombrix: left alone: cannot understand unit DbxForm.pas: no declaration of class TDbxForm"
cmp -s DbxForm.pas ../DbxForm.alone
check "unit kept" "$?" "0"

# The Execute button of a migrator saved on the form keeps the unit in step the same way.
fresh execute
sed -i 's/^end\r$/  object BDE2Ombrix1: TBDE2Ombrix\r\n    Database = MySQLDatabase1\r\n  end\r\n  object MySQLDatabase1: TmySQLDatabase\r\n  end\r\nend\r/' DataMod.dfm
"$ombrix" edit DataMod.dfm --object BDE2Ombrix1 --property Execute --write >/dev/null 2>err
check "execute status" "$?:$(cat err)" "0:mtCustom: 2 dataset descendants processed successfully [OK]
written: DataMod.dfm
written: DataMod.pas"
check "execute unit" "$(tr -d '\r' <DataMod.pas | grep -c -E 'CustQuery: TmySQLQuery;|OrdersTable: TmySQLTable;|DBTables, Mysqldbtables;')" "3"

# Bad arguments: usage errors, nothing read or written.
fresh usage
for args in "" "--connection A --add-connection B" "--add-connection A --families bde,foo" \
  "--add-connection A --families ," "--connection A --set DatabaseName=x" "--connection 'a b'" \
  "--add-connection A.B" "--add-connection A --set DatabaseName" "--add-connection A --set Connected=True" \
  "--add-connection A --set UserPassword=x" "--add-connection A --set NoSuch=1" \
  "--add-connection A --set ServerPort=many"; do
  eval "\"\$ombrix\" migrate DataMod.dfm $args" >/dev/null 2>&1
  check "usage: $args" "$?" "2"
done
"$ombrix" migrate missing.dfm --add-connection A 2>/dev/null
check "missing file" "$?" "1"
cmp -s DataMod.dfm "$data/migrate/DataMod.dfm"
check "usage writes nothing" "$?" "0"
exit $failed
