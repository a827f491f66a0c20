#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs the whole test suite
# under both, on the offscreen platform; then the desktop stage, a few tests of
# the program on a real X server of its own.
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
echo "== desktop"
env -u QT_QPA_PLATFORM bash tests/desktop/run.sh build/default/orvanta build/asan/orvanta ||
    status=1
exit $status
