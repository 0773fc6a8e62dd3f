#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer and leak
# checks) in build-fuzz/ and runs each for a bounded time from its seed corpus: the link's datagram
# receiver and announcement decoder, the settings file (whole, and the readers of its damaged lines
# alone), the licence texts and the names typed against the sauna's character table. Fails on any
# crash, leak, timeout or sanitizer report; the input that caused it is kept in
# build-fuzz/fuzz-artifacts/.
#   scripts/fuzz.sh [seconds per fuzzer]   (default 30, or FUZZ_SECONDS)
# PANEL_CMAKE_ARGS adds arguments of your own to the configuration.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-30}}"
build_dir=build-fuzz
# Each fuzzer with the folder of its seeds, its longest input (the limit tables of a settings file
# take some 6 kB) and the frames ASan keeps of the stack of each allocation and free. Qt's libraries
# are built without frame pointers, so the third frame of an allocation made inside Qt is whatever
# the register held, often a heap address: ASan keeps every such stack for good, which grows the
# memory of a target that allocates much through Qt by some 100 kB an input. Those targets keep two
# frames, the allocating function and its caller; to see whole stacks of a reported input, run the
# fuzzer on the kept input alone, with ASAN_OPTIONS=malloc_context_size=30.
fuzzers=(
    receiver_datagram_fuzzer:receiver:4096:30
    announcement_fuzzer:announcement:4096:30
    settings_file_fuzzer:settings:8192:2
    settings_repair_fuzzer:settings:8192:2
    licence_text_fuzzer:licence:4096:2
    supported_characters_fuzzer:supported_characters:4096:2
)

read -r -a extra_cmake_args <<<"${PANEL_CMAKE_ARGS:-}"
started=$SECONDS
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPANEL_BUILD_FUZZERS=ON -DPANEL_BUILD_TESTS=OFF "${extra_cmake_args[@]}"
cmake --build "$build_dir" --target panel_fuzzers --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
echo "fuzz.sh: $build_dir configured and built in $((SECONDS - started)) s"
started=$SECONDS

# A freed block waits in ASan's quarantine before it is reused, so that a use after free is caught;
# 16 MB of it (not the default 256 MB) still covers many inputs of every target, and keeps a
# target's memory where its own allocations put it.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The fuzzers write settings and licence files for every input, away from the user's settings;
# in memory when /dev/shm is there, where a sync of a settings file does not wait for a disk.
scratch=$(mktemp -d /dev/shm/panel-fuzz.XXXXXX 2>/dev/null ||
    mktemp -d "${TMPDIR:-/tmp}/panel-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/config"
export XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch"

artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$artifacts"
for entry in "${fuzzers[@]}"; do
    IFS=: read -r fuzzer seed_folder max_len stack_frames <<<"$entry"
    seeds="$build_dir/fuzz/seeds/$seed_folder"
    # New inputs go to a working corpus; the seeds stay as they were written.
    corpus="$build_dir/fuzz-corpus/$fuzzer"
    mkdir -p "$corpus"
    echo "== $fuzzer: $seconds s"
    ASAN_OPTIONS="$ASAN_OPTIONS:malloc_context_size=$stack_frames" \
        "$build_dir/bin/$fuzzer" "$corpus" "$seeds" \
            -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
            -print_final_stats=1 -artifact_prefix="$artifacts/$fuzzer-"
done
echo "fuzz.sh: the fuzzers ran in $((SECONDS - started)) s"
echo "fuzzers found nothing"
