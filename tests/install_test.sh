#!/usr/bin/env bash
# cmake --install into an empty prefix puts there the program, its menu entry
# and its icon, where the desktop looks for them, and nothing else; the entry
# passes desktop-file-validate and names the program and the icon installed.
#
#   install_test.sh BUILD_DIR
set -uo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
status=0
fail() {
    echo "FAILED: $*"
    status=1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
expected=$'bin/orvanta\nshare/applications/orvanta.desktop\nshare/icons/hicolor/64x64/apps/orvanta.png'
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
[[ $installed == "$expected" ]] || fail "installed:"$'\n'"$installed"$'\n'"expected:"$'\n'"$expected"

entry=$prefix/share/applications/orvanta.desktop
if ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate is missing (bash tools/setup.sh installs it)"
elif ! desktop-file-validate "$entry"; then
    fail "the menu entry is not valid"
fi
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon_name=$(sed -n 's/^Icon=//p' "$entry")
[[ -x $prefix/bin/$exec_name ]] || fail "Exec=$exec_name is not the installed program"

# A PNG signature, then the IHDR chunk with width and height, 64 by 64 as the ICO file.
icon=$prefix/share/icons/hicolor/64x64/apps/$icon_name.png
header=$(od -An -tx1 -N24 "$icon" 2>/dev/null | tr -d ' \n')
[[ $header == 89504e470d0a1a0a0000000d494844520000004000000040 ]] ||
    fail "Icon=$icon_name: $icon is not a 64x64 PNG (header $header)"
exit $status
