#!/usr/bin/env bash
# Configures and builds into build/ (program folder: build/bin), with the one set of settings that
# tools/start.sh, tools/test.sh and the package share, so that none of them rebuilds what another
# built. Arguments name the targets to build (default: everything, the tests included).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLU_WARNINGS_AS_ERRORS=ON >/dev/null
if [ $# -gt 0 ]; then
    cmake --build build -j "$(nproc)" --target "$@"
else
    cmake --build build -j "$(nproc)"
fi
