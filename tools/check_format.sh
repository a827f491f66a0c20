#!/usr/bin/env bash
# Fails when a C++ source of the project is not laid out as .clang-format says.
# The five abbreviation tables are data, one row a line, and are left as they are.
# With --fix, formats the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! version=$(clang-format --version); then
    echo "format: clang-format is missing (bash tools/setup.sh installs it)" >&2
    exit 1
fi
mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' |
    grep -v -E '^dictionaries/(oxford|computer|hardware|bangladesh|international)\.cpp$')
if [[ ${1:-} == --fix ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "format: the files above are not formatted; run bash tools/check_format.sh --fix" >&2
    exit 1
fi
echo "format: ${#files[@]} files formatted (${version##* version })"
