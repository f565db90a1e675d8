#!/usr/bin/env bash
# `ombrix form check`: exit 0 when every file loads, else FILE:LINE:COL: message and exit 1.
set -uo pipefail
ombrix=${1:?path of ombrix}
forms=${OMBRIX_SOURCE_DIR:?}/tests/data/forms
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}

"$ombrix" form check "$forms"/*.dfm 2>"$tmp/err"
check "samples load" "$?" "0"
# The verbs know the forms' controls: the sample logo's bytes are not a bitmap.
check "samples quiet" "$(cat "$tmp/err")" \
  "$forms/MainForm.dfm:164:7: warning: Error reading Logo.Picture.Data: Bitmap image is not valid: compressed"

printf 'object Form1: TForm1\r\n  Caption = '"'"'unterminated\r\nend\r\n' >"$tmp/Broken.dfm"
printf 'object A: TA\n  object B: TB\n' >"$tmp/Cut.dfm"
"$ombrix" form check "$forms/DataModule1.dfm" "$tmp/Broken.dfm" "$tmp/Cut.dfm" 2>"$tmp/err"
check "broken exit" "$?" "1"
check "broken messages" "$(cat "$tmp/err")" \
  "$tmp/Broken.dfm:2:13: Unterminated string
$tmp/Cut.dfm:3:1: 'end' expected but end of file found"

"$ombrix" form check "$tmp/missing.dfm" 2>"$tmp/err"
check "missing exit" "$?" "1"
check "missing message" "$(cat "$tmp/err")" "$tmp/missing.dfm: Cannot open file"

printf 'object F: TF\n  object A: TDataSource\n  end\n  object a: TDataSource\n  end\nend\n' \
  >"$tmp/Twice.dfm"
"$ombrix" form check "$tmp/Twice.dfm" 2>"$tmp/err"
check "duplicate name" "$?:$(cat "$tmp/err")" \
  "1:$tmp/Twice.dfm:4:3: A component named a already exists"
printf 'object Data: TData\n  object tOrders: TmySQLTable\n    TableName = %s\n  end\n  object dsOrders: TDataSource\n    DataSet = tOrders\n  end\nend\n' \
  "'orders'" >"$tmp/Library.dfm"
"$ombrix" form check "$tmp/Library.dfm" 2>"$tmp/err"
check "library classes" "$?:$(cat "$tmp/err")" "0:"
exit $failed
