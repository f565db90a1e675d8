#!/usr/bin/env bash
# Pictures of the designer and of every dialog of the package, for the README and for review:
# a private MariaDB server with the sample shop, then ombrix-designer --screenshots on the
# sample data module under Xvfb. Writes DIR/*.png and DIR/index.json (default: build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
scripts/setup.sh
scripts/build.sh ombrix18

work=$(mktemp -d /tmp/ombrix-shots.XXXXXX)
trap 'scripts/mariadb-server.sh stop "$work"; rm -rf "$work"' EXIT
scripts/mariadb-server.sh start "$work"
mariadb --no-defaults --socket="$work/mysqld.sock" -uroot -e "CREATE DATABASE shop"
mariadb --no-defaults --socket="$work/mysqld.sock" -uroot shop <samples/shop.sql

# The designer saves nothing here, but works on a copy all the same.
cp samples/ShopData.dfm samples/ShopData.pas samples/OrderLines.dfm samples/OrderLines.pas "$work/"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
rm -rf "$out"
xvfb-run -a -s "-screen 0 1280x800x24" \
  build/ombrix18/bin/ombrix-designer --screenshots "$out" \
  --socket "$work/mysqld.sock" --user root "$work/ShopData.dfm" "$work/OrderLines.dfm"
echo "Pictures in $out:"
ls "$out"
