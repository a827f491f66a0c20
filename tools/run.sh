#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvanta
exec build/default/orvanta
