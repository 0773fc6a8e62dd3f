#!/usr/bin/env bash
# Builds the link's libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer and
# leak checks) in build-fuzz/ and runs each for a bounded time from the generated seed corpus.
# Fails on any crash, leak, timeout or sanitizer report; the input that caused it is kept in
# build-fuzz/fuzz-artifacts/.
#   scripts/fuzz.sh [seconds per fuzzer]   (default 30, or FUZZ_SECONDS)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-30}}"
build_dir=build-fuzz
# Each fuzzer with the folder of its seeds.
fuzzers=(receiver_datagram_fuzzer:receiver announcement_fuzzer:announcement)

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPANEL_BUILD_FUZZERS=ON -DPANEL_BUILD_TESTS=OFF
cmake --build "$build_dir" --target panel_fuzzers --parallel "$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The link reads the settings store; keep it away from the user's.
config_home=$(mktemp -d "${TMPDIR:-/tmp}/panel-fuzz-config.XXXXXX")
trap 'rm -rf "$config_home"' EXIT
export XDG_CONFIG_HOME="$config_home"

artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$artifacts"
for entry in "${fuzzers[@]}"; do
    fuzzer="${entry%%:*}"
    seeds="$build_dir/fuzz/seeds/${entry#*:}"
    # New inputs go to a working corpus; the generated seeds stay as they were written.
    corpus="$build_dir/fuzz-corpus/$fuzzer"
    mkdir -p "$corpus"
    echo "== $fuzzer: $seconds s"
    "$build_dir/bin/$fuzzer" "$corpus" "$seeds" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$fuzzer-"
done
echo "fuzzers found nothing"
