#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds with coverage instrumentation, runs every test and prints the line
# coverage of the game logic (board/), the puzzle files (files/) and the
# screens (screens/, with the toolkit), and of the Qt front end on its own.
# HTML report: build-cov/coverage/index.html
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

cmake -S . -B build-cov -DCMAKE_BUILD_TYPE=Debug -DSUDOKU_COVERAGE=ON -DSUDOKU_BENCH=OFF
cmake --build build-cov -j"$(nproc)"
find build-cov -name '*.gcda' -delete
# A failing test fails the script, with its output.
(cd build-cov && QT_QPA_PLATFORM=offscreen ctest -j"$(nproc)" --output-on-failure >ctest.log) ||
  { cat build-cov/ctest.log; exit 1; }

mkdir -p build-cov/coverage
for part in board files screens; do
  gcovr --root . --filter "$part/" --exclude 'screens/qt/' build-cov --print-summary --txt /dev/null \
    | sed -n "s/^lines: /$part: lines /p"
done
gcovr --root . --filter 'board/' --filter 'files/' --filter 'screens/' --exclude 'screens/qt/' \
  build-cov --html-details build-cov/coverage/index.html --print-summary --txt /dev/null |
  sed -n 's/^lines: /all three: lines /p'
# The Qt front end and main(), separately: much of them is drawing that only
# the widget tests and the program's start test reach.
gcovr --root . --filter 'screens/qt/' --filter 'app/' build-cov --print-summary --txt /dev/null |
  sed -n 's/^lines: /Qt front end (screens\/qt\/, app\/): lines /p'
