#!/usr/bin/env bash
# Renews the pictures of docs/guide.md: drives the real windows under Xvfb against scale-sim.
#   tools/guide-shots.sh                       English pictures of the guide into docs/images/
#   tools/guide-shots.sh --lang zh_CN --all --out DIR
#                                              every window in Chinese, for a look at each
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLU_BUILD_DIR:-$root/build}
lang=en_US
out=$root/docs/images
all=()
while [ $# -gt 0 ]; do
    case $1 in
    --lang) lang=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --all) all=(--all); shift ;;
    *) echo "usage: $0 [--lang CODE] [--out DIR] [--all]" >&2; exit 2 ;;
    esac
done
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: run tools/deps.sh" >&2; exit 1; }
cmake --build "$build" --target guide-shots scale-sim plu-manager
bin=$build/bin
mkdir -p "$out"
out=$(cd "$out" && pwd)

data=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$data"
}
trap cleanup EXIT

# Slow answers keep the progress window open long enough for its picture.
"$bin/scale-sim" --tcp 127.0.0.1:0 --port-file "$data/port" --data "$data/scale.json" --delay-ms 60 >"$data/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do [ -s "$data/port" ] && break; sleep 0.1; done
[ -s "$data/port" ] || { cat "$data/sim.log" >&2; exit 1; }
port=$(cat "$data/port")

cat >"$data/SYSTEM.CFG" <<CFG
[Language]
Language=$lang

[Comm]
CommType=1
IP=127.0.0.1

[Link]
TcpPort=$port
CFG

# From the program folder, where the translations, pictures and the link library are found.
cd "$bin"
xvfb-run -a -s "-screen 0 1280x800x24" ./guide-shots --out "$out" --data "$data" "${all[@]}"
