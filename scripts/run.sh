#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program. It runs in the
# repository's root folder, where it finds its explanation text
# sudoku_erkl.txt; puzzle files are saved there too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A first build here leaves the tests and benchmarks out, since their
# libraries are not installed; a build folder that scripts/test.sh set up
# keeps its settings.
options=()
[ -f build/CMakeCache.txt ] || options=(-DSUDOKU_TESTS=OFF -DSUDOKU_BENCH=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build build -j"$(nproc)" --target sudoku
exec build/sudoku
