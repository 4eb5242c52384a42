#!/usr/bin/env bash
# A serial port the user may not open (a pty of mode 0600 that root owns, opened by "nobody"): the
# system's reason passes through the link library and the transfer worker into the message, with
# the advice that gives the user access.
set -euo pipefail
src=$1
build=$2
if [ "$(id -u)" -ne 0 ] || ! command -v socat >/dev/null || ! command -v setpriv >/dev/null; then
    echo "needs root, socat and setpriv to open a port as another user; skipped"
    exit 0
fi
work=$(mktemp -d)
chmod 755 "$work"
socat_pid=""
cleanup() {
    [ -n "$socat_pid" ] && kill "$socat_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
socat "pty,link=$work/port,raw,echo=0,perm=0600,user=root,group=root" "pty,link=$work/other,raw,echo=0" 2>/dev/null &
socat_pid=$!
for _ in $(seq 50); do [ -e "$work/port" ] && break; sleep 0.1; done
device=$(readlink -f "$work/port")
[ -c "$device" ] || { echo "FAIL: no pty" >&2; exit 1; }
cp "$src/tests/data/document/all-fields/input.txp" "$work/shop.txp"
: >"$work/cli.cfg"
chmod 644 "$work/shop.txp" "$work/cli.cfg"
# A data folder of its own, where "nobody" may keep the send journal.
mkdir -m 777 "$work/data"
status=0
out=$(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$work" \
    "$build/bin/plu-cli" send "$work/shop.txp" --scale "$device" --config "$work/cli.cfg" --data-dir "$work/data" --quiet 2>&1) || status=$?
expected="$device: failed: Connect Fail: no permission to open $device. Add your user to the dialout group and log in again."
if [ "$status" != 1 ] || [ "$out" != "$expected" ]; then
    printf 'FAIL: exit %s, printed:\n%s\nexpected:\n%s\n' "$status" "$out" "$expected" >&2
    exit 1
fi
echo "the reason and the advice reached the message"
