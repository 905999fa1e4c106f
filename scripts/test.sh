#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              normal build (build/)
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUDOKU_TESTS=ON -DSUDOKU_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  # The benchmarks measure the normal build; here they would only cost time.
  options=(-DCMAKE_BUILD_TYPE=Debug -DSUDOKU_TESTS=ON -DSUDOKU_SANITIZE=ON -DSUDOKU_BENCH=OFF)
fi

cmake -S . -B "$dir" "${options[@]}"
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
