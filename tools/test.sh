#!/usr/bin/env bash
# Installs what is missing (the test tools too), builds the rest (tools/start.sh built the programs
# with the same settings already), and runs the whole test suite: a short fuzzing run of every
# reader of outside data (when clang is present), then every CTest test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --test
bash tools/build.sh
if command -v clang++ >/dev/null; then
    bash tools/fuzz.sh
fi
cd build
QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure --timeout 600
