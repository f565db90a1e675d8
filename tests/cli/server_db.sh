#!/usr/bin/env bash
# `ombrix db` verbs against the private test server (OMBRIX_TEST_SOCKET, OMBRIX_TEST_PORT).
set -uo pipefail
ombrix=${1:?path of ombrix}
: "${OMBRIX_TEST_SOCKET:?run through scripts/test.sh}" "${OMBRIX_TEST_PORT:?run through scripts/test.sh}"
export LC_ALL=C.UTF-8
db="ombrix_cli_$$"
user="ombrix_cli_$$"
sql() { mariadb --no-defaults --default-character-set=utf8mb4 -S "$OMBRIX_TEST_SOCKET" -uroot "$@"; }
trap 'sql -e "DROP DATABASE IF EXISTS $db; DROP USER IF EXISTS $user@127.0.0.1"' EXIT
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}

sql -e "CREATE DATABASE $db; CREATE USER $user@127.0.0.1 IDENTIFIED BY 'pw''s'; GRANT ALL ON $db.* TO $user@127.0.0.1" || exit 1
sql "$db" <<'SQL' || exit 1
CREATE TABLE `order items` (`order id` INT, line INT, `na``me` CHAR(8), `größe` INT,
  PRIMARY KEY (`order id`, line), UNIQUE KEY `uq` (`na``me`), KEY `by größe` (`größe` DESC));
CREATE VIEW `order view` AS SELECT line FROM `order items`;
CREATE PROCEDURE `add item`(IN a INT, OUT b INT, INOUT c INT) SET b = a;
CREATE FUNCTION `größe f`(x INT) RETURNS INT RETURN x;
SQL

local_db=("$ombrix" db --socket "$OMBRIX_TEST_SOCKET" --user root --database "$db")
check "tables" "$("${local_db[@]}" tables)" $'order items\norder view'
check "fields" "$("${local_db[@]}" fields 'order items')" $'order id\nline\nna`me\ngröße'
check "indexes" "$("${local_db[@]}" indexes 'order items')" \
  $'\torder id;line\tprimary,unique\nuq\tna`me\tunique\nby größe\tgröße\tdescending'
check "procs" "$("${local_db[@]}" procs)" $'add item\ngröße f'
check "params" "$("${local_db[@]}" params 'add item')" $'a\tin\nb\tout\nc\tinout'
check "function params" "$("${local_db[@]}" params 'größe f')" $'\tresult\nx\tin'
check "charsets" "$("${local_db[@]}" charsets | grep -cx 'utf8mb4\|latin1')" "2"
check "collations" "$("${local_db[@]}" collations | grep -cx 'utf8mb4_bin')" "1"
check "unknown table" "$("${local_db[@]}" fields nothing | wc -c)" "0"

# Over TCP with the password from the environment.
tcp_db=("$ombrix" db --host 127.0.0.1 --port "$OMBRIX_TEST_PORT" --user "$user" --database "$db")
check "password from the environment" "$(OMBRIX_PASSWORD="pw's" "${tcp_db[@]}" tables | head -1)" \
  "order items"
out=$(OMBRIX_PASSWORD=wrong "${tcp_db[@]}" tables 2>&1)
check "refused login status" "$?" "1"
check "refused login message" "$(echo "$out" | grep -c "Access denied for user '$user'")" "1"

out=$("$ombrix" db --socket /nonexistent/mysqld.sock tables 2>&1)
check "server down status" "$?" "1"
check "server down message" "$(echo "$out" | grep -c "Can't connect")" "1"
"${local_db[@]}" params 'no such' >/dev/null 2>&1
check "missing procedure" "$?" "1"

for args in "" "fields" "tables extra" "--password x tables" "--port abc tables" "nonsense"; do
  eval "set -- $args"
  "$ombrix" db "$@" </dev/null >/dev/null 2>&1
  status=$?
  [ $status -eq 2 ] || {
    echo "FAIL: status $status for: db $args" >&2
    failed=1
  }
done
exit $failed
