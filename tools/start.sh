#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh
cd build/bin
exec ./plu-manager "$@"
