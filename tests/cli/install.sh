#!/usr/bin/env bash
# `cmake --install`: the installed program finds its packages and its dialog layouts.
set -uo pipefail
ombrix=${1:?path of ombrix}
build=$(dirname "$(dirname "$ombrix")")
prefix=$(mktemp -d /tmp/ombrix-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install exits $?"
installed=$prefix/bin/ombrix
[ -x "$installed" ] || installed=$prefix/bin/ombrix8
[ -x "$installed" ] || fail "no program in $prefix/bin"
ls "$prefix"/lib/ombrix/dcl_Ombrix*.so >/dev/null || fail "no packages in $prefix/lib/ombrix"
[ -f "$prefix/share/ombrix/forms/Mysqlupdsqled.dfm" ] || fail "no layouts"
# Run from elsewhere, with nothing pointing back into the build tree.
out=$(cd / && env -u OMBRIX_FORMS_DIR "$installed" package info --json) || fail "info exits $?"
[[ "$out" == *'"designOnly": true'* ]] || fail "installed info: $out"
exit 0
