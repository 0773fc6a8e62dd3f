#!/usr/bin/env bash
# Fails when any C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.h' '*.cpp')
[ "${#files[@]}" -eq 0 ] || clang-format --dry-run -Werror "${files[@]}"
echo "clang-format: ${#files[@]} files clean"
