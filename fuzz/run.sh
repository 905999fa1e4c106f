#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the puzzle reader's libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it from the checked-in seed corpus for
# a bounded time (seconds, default 60), half of it with long inputs. Fails
# when the fuzzer finds anything; the input that did it is left in
# build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSUDOKU_FUZZ=ON -DSUDOKU_TESTS=OFF -DSUDOKU_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target puzzle_reader_fuzz

# New inputs go to a scratch corpus; the checked-in seeds stay as they are.
mkdir -p "$build/corpus" "$build/artifacts"
# Every run builds the three screens afresh: a smaller quarantine lets the
# allocator reuse their memory sooner: about a third more runs per second.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16}"
# Inputs up to 128 KiB, far past the 32,767 characters the reader takes. The
# first half keeps libFuzzer's length control, which grows inputs slowly from
# short ones; the second half turns it off, so that long inputs are tried
# from the start. The dictionary holds the format's tokens.
run_fuzzer() {
  "$build/fuzz/puzzle_reader_fuzz" "$@" -max_len=131072 -timeout=10 -print_final_stats=1 \
    -dict=fuzz/puzzle_reader.dict \
    -artifact_prefix="$build/artifacts/" "$build/corpus" fuzz/corpus
}
run_fuzzer -max_total_time=$((seconds - seconds / 2))
if [ $((seconds / 2)) -gt 0 ]; then run_fuzzer -max_total_time=$((seconds / 2)) -len_control=0; fi
