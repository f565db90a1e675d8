#!/usr/bin/env bash
# The main job: installs what is missing, builds the command line of the 16-bit tree, and shows
# what `ombrix sql` does with a few statements.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset ombrix18 >/dev/null
cmake --build --preset ombrix18 --target ombrix -j "$(nproc)"
ombrix=build/ombrix18/bin/ombrix
export LC_ALL=C.UTF-8

# show ARGS...: prints the command line, then runs it.
show() {
  printf '\n$ ombrix'
  for arg in "$@"; do
    if [[ $arg =~ ^[A-Za-z0-9_,.=/:-]+$ ]]; then printf ' %s' "$arg"; else printf " '%s'" "$arg"; fi
  done
  printf '\n'
  "$ombrix" "$@"
}

echo "== The tables of a dataset's SELECT (a quoted name is marked)"
show sql tables --sql 'select o.id, c.name from "order lines" o, Клиенты c where o.customer = c.id'

echo
echo "== The table, SET names and WHERE names of an existing modify statement (from standard input)"
statement=$'update orders\nset\n  total = :total,\n  status = :status\nwhere\n  id = :OLD_id'
printf '%s\n' "$statement"
printf '%s\n' "$statement" | show sql parse-update

echo
echo "== The four statements of an update object: modify, insert, delete, refresh record"
show sql generate --table orders --keys id --fields customer_id,order_date,shipping_address,billing_address,total_amount,status

echo
echo "== The same with quoted field names and a table that was quoted in the SELECT"
show sql generate --table 'order lines' --quoted-table --keys id,line --fields amount --quote-fields

echo
echo "== No key field: the editor's message and exit status 1"
status=0
show sql generate --table orders --fields total || status=$?
echo "(exit status $status)"

echo
echo "== The design-time package, loaded as a designer loads it: what its Register registers"
show package info
