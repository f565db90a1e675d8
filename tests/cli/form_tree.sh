#!/usr/bin/env bash
# `ombrix form tree`: one line per object, two spaces per level of nesting.
set -uo pipefail
ombrix=${1:?path of ombrix}
forms=${OMBRIX_SOURCE_DIR:?}/tests/data/forms
want='OrderForm: TOrderForm
  ShipTo: TAddressFrame
    StreetEdit: TDBEdit
    AddressSource: TDataSource
    ZipEdit: TEdit
  OrderGrid: TDBGrid
  dsOrders: TDataSource
  ItemsQuery: TQuery
    ItemsQueryPartName: TStringField'
got=$("$ombrix" form tree "$forms/OrderForm.dfm")
[ "$got" = "$want" ] || {
  echo "FAIL: tree: got [$got]" >&2
  exit 1
}
got=$(printf 'object Модуль: TDataModule1\n  object ADOTable3Клиент: TStringField\n  end\nend\n' |
  "$ombrix" form tree /dev/stdin)
[ "$got" = $'Модуль: TDataModule1\n  ADOTable3Клиент: TStringField' ] || {
  echo "FAIL: Unicode names: got [$got]" >&2
  exit 1
}
got=$(printf 'object TRoot\n  object TChild\n  end\nend\n' | "$ombrix" form tree /dev/stdin)
[ "$got" = $'TRoot\n  TChild' ] || {
  echo "FAIL: unnamed: got [$got]" >&2
  exit 1
}
