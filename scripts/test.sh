#!/usr/bin/env bash
# Installs what is needed, builds the panel and its tests, and runs every test.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the AddressSanitizer + UndefinedBehaviorSanitizer build, in build-asan/,
#                                without the page walks (layout checks, label "fit")
# PANEL_CMAKE_ARGS adds arguments of your own to the configuration (.ci/run sets
# -DPANEL_DEBUG_INFO=lines there).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-asan
    cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DPANEL_SANITIZE=ON)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
fi
read -r -a extra_cmake_args <<<"${PANEL_CMAKE_ARGS:-}"

bash scripts/install-deps.sh
started=$SECONDS
# run-panel.sh builds the same folder without the tests, so they are switched on here explicitly.
cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}" -DPANEL_BUILD_TESTS=ON "${extra_cmake_args[@]}"
cmake --build "$build_dir" --parallel "$(nproc)"
echo "test.sh: $build_dir configured and built in $((SECONDS - started)) s"
started=$SECONDS
# Most tests spend far more of their time waiting, for the scene's animations and for the simulated
# sauna's replies, than computing: two more run at once than there are cores, so that the cores
# stay busy. The page walks, the longest, start first (their COST).
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(($(nproc) + 2))" --no-tests=error
echo "test.sh: the tests of $build_dir ran in $((SECONDS - started)) s"
