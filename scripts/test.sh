#!/usr/bin/env bash
# Installs what is needed, builds the panel and its tests, and runs every test.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the AddressSanitizer + UndefinedBehaviorSanitizer build, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
ctest_args=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-asan
    cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DPANEL_SANITIZE=ON)
    # The page walks (label "fit") check layout in fourteen languages; the normal build runs them.
    ctest_args=(--label-exclude fit)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
fi

bash scripts/install-deps.sh
started=$SECONDS
# run-panel.sh builds the same folder without the tests, so they are switched on here explicitly.
cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}" -DPANEL_BUILD_TESTS=ON
cmake --build "$build_dir" --parallel "$(nproc)"
echo "test.sh: $build_dir configured and built in $((SECONDS - started)) s"
started=$SECONDS
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" --no-tests=error "${ctest_args[@]}"
echo "test.sh: the tests of $build_dir ran in $((SECONDS - started)) s"
