#!/usr/bin/env bash
# `ombrix package info` and `ombrix --version`: the build's packages loaded by the program.
set -uo pipefail
ombrix=${1:?path of ombrix}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

version=$("$ombrix" --version) || fail "--version exits $?"
case "$version" in
  "ombrix 3.0.5 (16-bit strings)") newest=dcl_Ombrix18 ;;
  "ombrix 3.0.5 (8-bit strings)") newest=dcl_Ombrix11 ;;
  *) fail "version: [$version]" ;;
esac

json=$("$ombrix" package info --json) || fail "info exits $?"
for want in "\"package\": \"$newest\"" '"designOnly": true' '"description": "Ombrix"' \
  '"palette": {"page": "Ombrix™", "classes": ["TmySQLDatabase", "TmySQLTable", "TmySQLQuery"' \
  '"splash": {"caption": "Ombrix Component Suite 3.0.5", "bitmap": {"name": "LOGO", "width": 24, "height": 24, "bitsPerPixel": 24}}' \
  '"demandLoadForced": true' \
  '{"type": "TOmbrixAbout", "class": "", "property": "", "editor": "TAboutProperty"}' \
  '{"type": "TFileName", "class": "TmySQLTable", "property": "TableName", "editor": "TmySQLTableNamePropertyEditor"}' \
  '{"name": "TMYSQLTOOLS", "width": 24, "height": 24, "bitsPerPixel": 8}'; do
  [[ "$json" == *"$want"* ]] || fail "info --json lacks [$want]: $json"
done

json=$("$ombrix" package info --json --no-splash) || fail "--no-splash exits $?"
[[ "$json" == *'"splash": null, "demandLoadForced": false'* ]] || fail "no splash: $json"

text=$("$ombrix" package info) || fail "text exits $?"
grep -qx $'palette: Ombrix™\tTMySQLTools' <<<"$text" || fail "text palette: $text"
grep -qx $'component editor: TmySQLUpdateSQL\tTMySQLUpdateSQLEditor' <<<"$text" || fail "text: $text"

if [ "$newest" = dcl_Ombrix11 ]; then
  # The oldest generation: no splash step even with a splash screen, two component editors.
  json=$("$ombrix" package info --json --package dcl_OmbrixBCB6) || fail "BCB6 exits $?"
  [[ "$json" == *'"splash": null, "demandLoadForced": false'* ]] || fail "BCB6 splash: $json"
  [[ "$json" != *TMySQLQueryEditor* && "$json" != *TMySQLSPParamsProperty* ]] ||
    fail "BCB6 registers too much: $json"
  "$ombrix" package info --json --package dcl_Ombrix9 | grep -q '"package": "dcl_Ombrix9"' ||
    fail "dcl_Ombrix9"
fi

err=$("$ombrix" package info --package dcl_Nothing 2>&1 >/dev/null)
[ $? -eq 1 ] || fail "an unknown package must exit 1"
[[ "$err" == *dcl_Nothing*"$newest"* ]] || fail "unknown package message: $err"
exit 0
