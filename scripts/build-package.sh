#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package sudoku-assistent_VERSION_ARCH.deb and prints its
# path. The program is built for the prefix /usr with Debian's build flags
# (dpkg-buildflags, all hardening features on) in BUILD_DIR (default
# build-package/); CPack strips it and asks dpkg-shlibdeps for the
# libraries it needs.
#   scripts/build-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-package}"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS: the preprocessor flags go with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DSUDOKU_TESTS=OFF -DSUDOKU_BENCH=OFF "-DCMAKE_CXX_FLAGS=$cxxflags" \
  "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "${launcher[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target sudoku programmsymbol package_files >/dev/null
rm -f "$dir"/sudoku-assistent_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/sudoku-assistent_*.deb
