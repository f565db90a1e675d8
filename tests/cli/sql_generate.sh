#!/usr/bin/env bash
# `ombrix sql generate` writes the worked examples byte for byte and refuses incomplete choices.
set -uo pipefail
ombrix=${1:?path of ombrix}
data="${OMBRIX_SOURCE_DIR:?}/tests/data/sql"
export LC_ALL=C.UTF-8
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# expect FILE ARGS...: the output equals FILE and the status is 0.
expect() {
  local file=$1
  shift
  local out
  out=$(mktemp)
  if ! "$ombrix" sql generate "$@" >"$out"; then
    fail "exit status of generate $*"
  elif ! cmp -s "$out" "$data/$file"; then
    fail "generate $* differs from $file:"
    diff "$data/$file" "$out" >&2
  fi
  rm -f "$out"
}

expect plain.txt --table t --keys id --fields a,b
expect quoted-fields.txt --table t --keys id --fields a,b --quote-fields
expect two-keys.txt --table t --keys id,k2 --fields a,b
expect quoted-table.txt --table t --quoted-table --keys id --fields a,b --quote-fields
expect wrapped.txt --table t --keys id \
  --fields customer_id,order_date,shipping_address,billing_address,total_amount,status

# Missing keys or fields: the editor's message on standard error, status 1, nothing on stdout.
err=$(mktemp)
for args in "--fields a" "--keys id" "--keys id --fields ''" "--keys '' --fields a"; do
  eval "set -- $args"
  out=$("$ombrix" sql generate --table t "$@" 2>"$err")
  status=$?
  [ $status -eq 1 ] || fail "status $status for generate $args"
  [ -z "$out" ] || fail "output for generate $args"
  [ "$(cat "$err")" = "Must select at least one key field and one update field" ] ||
    fail "message for generate $args: $(cat "$err")"
done
rm -f "$err"

# Usage errors: status 2.
for args in "" "--keys id --fields a" "--table t --keys a,,b --fields x" "--table t --bogus"; do
  eval "set -- $args"
  "$ombrix" sql generate "$@" >/dev/null 2>&1
  status=$?
  [ $status -eq 2 ] || fail "status $status for usage error: generate $args"
done

# Non-Latin names pass through as UTF-8.
out=$("$ombrix" sql generate --table Заказы --keys ид --fields сумма | head -3)
[ "$out" = $'update Заказы\nset\n  сумма = :сумма' ] || fail "non-Latin names: $out"
exit $failed
