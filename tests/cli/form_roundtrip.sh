#!/usr/bin/env bash
# `ombrix form roundtrip`: every sample comes back byte for byte (CRLF and LF, BOM, UTF-8 and
# Windows-1252), a bad file is an error.
set -uo pipefail
ombrix=${1:?path of ombrix}
forms=${OMBRIX_SOURCE_DIR:?}/tests/data/forms
failed=0
for file in "$forms"/*.dfm; do
  if ! "$ombrix" form roundtrip "$file" | cmp -s - "$file"; then
    echo "FAIL: $file does not round-trip" >&2
    failed=1
  fi
done
out=$(printf 'object A: TA\n  X = (\n' | "$ombrix" form roundtrip /dev/stdin 2>&1)
status=$?
[ "$status" = 1 ] && [ "$out" = "/dev/stdin:3:1: ')' expected" ] || {
  echo "FAIL: bad input: $status [$out]" >&2
  failed=1
}
exit $failed
