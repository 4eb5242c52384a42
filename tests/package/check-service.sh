#!/usr/bin/env bash
# The watcher's service unit is one systemd accepts: systemd-analyze verify on an instance of the
# template, with its program pointed at the one just built.
set -euo pipefail
src=$1
build=$2
if ! command -v systemd-analyze >/dev/null; then
    echo "FAIL: systemd-analyze is missing: run tools/deps.sh" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed "s|/usr/bin/plu-cli|$build/bin/plu-cli|" "$src/tools/packaging/plu-watch@.service" >"$work/plu-watch@.service"
out=$(cd "$work" && systemd-analyze verify --man=no ./plu-watch@shop.service 2>&1) || {
    echo "FAIL: $out" >&2
    exit 1
}
# Warnings (unknown keys, bad values) fail too: systemd would ignore the line.
if [ -n "$out" ]; then
    echo "FAIL: $out" >&2
    exit 1
fi
echo "ok: plu-watch@.service"
