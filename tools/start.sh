#!/usr/bin/env bash
# Installs what building and running need, builds the programs (not the tests), and starts the
# editor from its program folder, with the scale simulator playing the default scale on 127.0.0.1
# (its memory kept in build/scale-sim.json).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh plu-manager plu-cli scale-sim plu-xls-reader zqslabelscale translations images guide
cd build/bin

port=5005
sim_pid=""
if ./scale-sim --tcp "127.0.0.1:$port" --data ../scale-sim.json >/dev/null 2>../scale-sim.log & then
    sim_pid=$!
fi
stop_sim() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null; return 0; }
trap stop_sim EXIT
sleep 0.3
if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "scale-sim did not start (see build/scale-sim.log); the editor starts without it" >&2
    sim_pid=""
fi

# A first start talks to the simulator; a link chosen in the editor since is kept.
if ! grep -qs '^\[Comm\]' SYSTEM.CFG; then
    printf '\n[Comm]\nCommType=1\nIP=127.0.0.1\n\n[Link]\nTcpPort=%s\n' "$port" >> SYSTEM.CFG
fi

./plu-manager "$@"
