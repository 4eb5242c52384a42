#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole test suite: a short
# fuzzing run of the link decoder (when clang is present), then every CTest test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh -DPLU_WARNINGS_AS_ERRORS=ON
if command -v clang++ >/dev/null; then
    bash tools/fuzz.sh
fi
cd build
QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure --timeout 600
