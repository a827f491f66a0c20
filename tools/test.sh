#!/usr/bin/env bash
# Installs what is missing, checks the sources' layout, builds both presets and
# runs the whole test suite under both, on the offscreen platform; then the
# desktop stage, a few tests of the program on a real X server of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
status=0
echo "== $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(qtpaths6 --qt-version 2>/dev/null)"
echo "== format"
bash tools/check_format.sh || status=1
export QT_QPA_PLATFORM=offscreen
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
