#!/usr/bin/env bash
# Installs, with apt-get, only the Debian packages that this machine lacks for
# building, testing and running the dictionary, or only those named on the
# command line. Quick when all are present.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-format git
    qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev
    libgtest-dev libbenchmark-dev
    fonts-crosextra-carlito fonts-texgyre fonts-noto-core fonts-noto-cjk fonts-dejavu-core
    strace
    qt6-qpa-plugins xvfb openbox xdotool x11-utils desktop-file-utils
)
if (($#)); then packages=("$@"); fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
