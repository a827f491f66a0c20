#!/usr/bin/env bash
# Rebuilds every picture and icon in assets/ from the drawing program in tools/make_assets/.
# Installs with apt-get only the packages this machine lacks (compiler, Qt, the fonts the pictures
# are set in), compiles the program when its sources changed, draws the assets and checks them.
#
#   tools/make_assets.sh               write assets/ and verify it
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source_dir="$root/tools/make_assets"
out_dir="$root/assets"
# Inside this checkout: a binary built from another checkout's sources is never taken for ours.
build_dir="$root/build/make_assets"

bash "$root/tools/setup.sh" g++ pkg-config qt6-base-dev \
    fonts-crosextra-carlito fonts-noto-core fonts-noto-cjk fonts-dejavu-core

mkdir -p "$build_dir"
binary="$build_dir/make_assets"
sources=("$source_dir"/*.cpp)
rebuild=0
if [[ ! -x $binary ]]; then
    rebuild=1
else
    # The headers count too: a changed declaration changes every source that includes it.
    for s in "${sources[@]}" "$source_dir"/*.h; do
        if [[ $s -nt $binary ]]; then rebuild=1; fi
    done
fi
if ((rebuild)); then
    echo "make_assets: compiling"
    # shellcheck disable=SC2046
    g++ -std=c++20 -O2 -fPIC -Wall -Wextra -I"$root" $(pkg-config --cflags Qt6Gui) \
        "${sources[@]}" -o "$binary.tmp" $(pkg-config --libs Qt6Gui)
    mv "$binary.tmp" "$binary"
fi

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$build_dir/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

"$binary" "$out_dir"
"$binary" --check "$out_dir"
