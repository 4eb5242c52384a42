#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh -DPLU_WARNINGS_AS_ERRORS=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure --timeout 600)
if [ -f tools/fuzz.sh ] && command -v clang++ >/dev/null; then
    bash tools/fuzz.sh
fi
