#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs the whole test suite
# under both, on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen
status=0
for preset in default asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" || status=1
done
exit $status
