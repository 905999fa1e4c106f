#!/usr/bin/env bash
# Builds with coverage instrumentation, runs every test and prints the line
# coverage of the game logic (board/), the puzzle files (files/) and the
# screens (screens/, with the toolkit). HTML report: build-cov/coverage/index.html
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v gcovr >/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get install -y --no-install-recommends gcovr
fi

cmake -S . -B build-cov -DCMAKE_BUILD_TYPE=Debug -DSUDOKU_COVERAGE=ON
cmake --build build-cov -j"$(nproc)"
find build-cov -name '*.gcda' -delete
(cd build-cov && QT_QPA_PLATFORM=offscreen ctest -j"$(nproc)" >/dev/null)

mkdir -p build-cov/coverage
for part in board files screens; do
  gcovr --root . --filter "$part/" --exclude 'screens/qt/' build-cov --print-summary --txt /dev/null \
    | sed -n "s/^lines: /$part: lines /p"
done
gcovr --root . --filter 'board/' --filter 'files/' --filter 'screens/' --exclude 'screens/qt/' \
  build-cov --html-details build-cov/coverage/index.html --print-summary --txt /dev/null |
  sed -n 's/^lines: /all three: lines /p'
