#!/usr/bin/env bash
# What a command writes to form files, against the private test server: the run's connection
# settings and the password never reach the file, a file changes only inside the edited
# component, a symbolic link is written through, --socket alone wins over the file's host, and
# a connection saved as connected is not contacted while loading.
set -uo pipefail
ombrix=${1:?path of ombrix}
: "${OMBRIX_TEST_SOCKET:?run through scripts/test.sh}"
export LC_ALL=C.UTF-8
db="ombrix_writes_$$"
user="ombrix_writes_$$"
work=$(mktemp -d)
sql() { mariadb --no-defaults -S "$OMBRIX_TEST_SOCKET" -uroot "$@"; }
listener=
cleanup() {
  [ -n "$listener" ] && kill "$listener" 2>/dev/null
  sql -e "DROP DATABASE IF EXISTS $db; DROP USER IF EXISTS $user@localhost"
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
check() {
  [ "$2" = "$3" ] || {
    echo "FAIL: $1: got [$2], want [$3]" >&2
    failed=1
  }
}
# The file without the named object's block, to compare everything else byte for byte.
without() { awk -v name="$2" '
  !skip && $0 ~ "^ *object " name ":" { skip = 1; match($0, /^ */); indent = RLENGTH; next }
  skip && $0 ~ /^ *end\r?$/ { match($0, /^ */); if (RLENGTH == indent) { skip = 0; next } }
  !skip' "$1"; }

sql -e "CREATE DATABASE $db; CREATE USER $user@localhost IDENTIFIED BY 'pw-$$';
  GRANT ALL ON $db.* TO $user@localhost" || exit 1
sql "$db" -e "CREATE TABLE orders (id INT PRIMARY KEY, customer INT, total INT)" || exit 1

form="$OMBRIX_SOURCE_DIR/tests/data/forms/updsql/ShopModule.dfm"
cp "$form" "$work/ShopModule.dfm"
# The file names a host that does not resolve: --socket alone must still reach the server.
write=(update-sql --object OrdersUpdate --socket "$OMBRIX_TEST_SOCKET" --user "$user"
  --database "$db" --table orders --primary-keys --fields total --write)
OMBRIX_PASSWORD="pw-$$" "$ombrix" "${write[@]}" "$work/ShopModule.dfm" >/dev/null
check "socket alone status" "$?" "0"
check "statement written" "$(grep -c "'  total = :total'" "$work/ShopModule.dfm")" "1"
check "run settings not written" \
  "$(grep -c -e "pw-$$" -e "$user" -e "$db" -e "$OMBRIX_TEST_SOCKET" "$work/ShopModule.dfm")" "0"
cmp -s <(without "$form" OrdersUpdate) <(without "$work/ShopModule.dfm" OrdersUpdate)
check "unchanged outside the update object" "$?" "0"

# Through a symbolic link: the linked form changes, the link stays.
mkdir "$work/real"
cp "$form" "$work/real/ShopModule.dfm"
ln -s real/ShopModule.dfm "$work/Linked.dfm"
OMBRIX_PASSWORD="pw-$$" "$ombrix" "${write[@]}" "$work/Linked.dfm" >/dev/null
check "link status" "$?" "0"
check "still a link" "$([ -L "$work/Linked.dfm" ] && echo yes)" "yes"
cmp -s "$work/ShopModule.dfm" "$work/real/ShopModule.dfm"
check "written through the link" "$?" "0"

# A file saved connected, toward a server that accepts and never answers: loading must not
# try it (that would wait out the connect timeout), and the file keeps Connected = True.
port_file="$work/port"
perl -MIO::Socket::INET -e '
  my $s = IO::Socket::INET->new(LocalAddr => "127.0.0.1", LocalPort => 0, Listen => 5) or die;
  open(my $f, ">", $ARGV[0]) or die; print $f $s->sockport, "\n"; close $f; sleep 120' \
  "$port_file" &
listener=$!
for _ in $(seq 50); do [ -s "$port_file" ] && break; sleep 0.1; done
sed -e "s/Host = 'db.example.invalid'/Host = '127.0.0.1'\n    ServerPort = $(cat "$port_file")/" \
  -e "s/LoginPrompt = False/LoginPrompt = False\n    Connected = True/" "$form" >"$work/Silent.dfm"
cp "$work/Silent.dfm" "$work/Silent.orig"
start=$(date +%s)
OMBRIX_PASSWORD="pw-$$" "$ombrix" "${write[@]}" "$work/Silent.dfm" --host localhost >/dev/null
check "connected file status" "$?" "0"
check "connected file is not contacted" "$(($(date +%s) - start < 5))" "1"
check "Connected kept" "$(grep -c "Connected = True" "$work/Silent.dfm")" "1"
cmp -s <(without "$work/Silent.orig" OrdersUpdate) <(without "$work/Silent.dfm" OrdersUpdate)
check "connected file unchanged outside the update object" "$?" "0"

# An unchanged form is not rewritten.
touch -d '2001-01-01' "$work/ShopModule.dfm"
OMBRIX_PASSWORD="pw-$$" "$ombrix" "${write[@]}" "$work/ShopModule.dfm" >/dev/null
check "unchanged form untouched" "$(date -r "$work/ShopModule.dfm" +%Y)" "2001"
exit $failed
