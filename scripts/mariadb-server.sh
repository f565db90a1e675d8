#!/usr/bin/env bash
# A private MariaDB server for tests: no systemd, no /etc/mysql, a socket in a temporary folder.
#   scripts/mariadb-server.sh start DIR   creates DIR/data, starts the server, waits until it answers
#   scripts/mariadb-server.sh stop DIR    stops it and waits for the process to end
# The socket is DIR/mysqld.sock (keep DIR short: a socket path must be under 108 bytes); the server
# also listens on 127.0.0.1 at a free port, written to DIR/port. Host names are never resolved:
# a user for TCP clients is 'name'@'127.0.0.1', a user for the socket 'name'@'localhost'.
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?folder}
sock="$dir/mysqld.sock"
pidfile="$dir/mysqld.pid"
log="$dir/mysqld.log"
user_opt=()
[ "$(id -u)" = 0 ] && user_opt=(--user=root)

case "$cmd" in
start)
  mkdir -p "$dir"
  if [ ! -d "$dir/data/mysql" ]; then
    # No name resolution anywhere (a fresh root may have no /etc/hosts): --force skips the
    # install script's host name lookup, and the server matches clients by address.
    mariadb-install-db --no-defaults "${user_opt[@]}" --datadir="$dir/data" --force \
      --skip-name-resolve --auth-root-authentication-method=normal --innodb-log-file-size=8M \
      >"$dir/install.log" 2>&1 ||
      { cat "$dir/install.log" >&2; exit 1; }
  fi
  # A port nobody listens on; another process may still take it first, so a bind failure
  # starts over with the next candidate.
  for attempt in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 40000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && continue
    : >"$log"
    mariadbd --no-defaults "${user_opt[@]}" --datadir="$dir/data" --socket="$sock" --pid-file="$pidfile" \
      --log-error="$log" --bind-address=127.0.0.1 --port="$port" --skip-name-resolve \
      --innodb-log-file-size=8M --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 1 300); do
      if mariadb-admin --no-defaults --socket="$sock" -uroot ping >/dev/null 2>&1; then
        echo "$port" >"$dir/port"
        echo "MariaDB answers on $sock and 127.0.0.1:$port"
        exit 0
      fi
      kill -0 "$server" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$server" 2>/dev/null; then
      echo "MariaDB did not answer within 30 s" >&2
      kill "$server" 2>/dev/null || true
      exit 1
    fi
    grep -q "Bind on TCP/IP port" "$log" || break
  done
  echo "MariaDB did not start; its log:" >&2
  cat "$log" >&2
  exit 1
  ;;
stop)
  [ -f "$pidfile" ] || exit 0
  pid=$(cat "$pidfile")
  kill -TERM "$pid" 2>/dev/null || exit 0
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || exit 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
