#!/usr/bin/env bash
# Fails when a C or C++ file of the tree differs from the project's .clang-format; with --fix,
# formats them in place instead. Debian 12's clang-format 14 is the one whose output counts.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run --Werror "${files[@]}"
fi
