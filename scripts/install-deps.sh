#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the project needs, in three sizes. Installs
# only what is missing; runs apt-get through sudo when not root.
#   scripts/install-deps.sh               what building and running the program
#                                         needs (scripts/run.sh)
#   scripts/install-deps.sh --test        also what the tests, the benchmarks,
#                                         the fuzzer, the coverage report and the
#                                         Debian package need (scripts/test.sh)
#   scripts/install-deps.sh --print-test  also the printing system for the
#                                         printing integration test (CI): CUPS
#                                         with its virtual PDF printer,
#                                         poppler's tools to read the page, and
#                                         Python for a print server that never
#                                         answers
set -euo pipefail

# The compiler, Qt with its X11 and Wayland platforms, CUPS, Qt's German
# texts and the fonts the screens name.
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-wayland libqt6printsupport6 libcups2-dev
  qt6-translations-l10n
  fonts-urw-base35 fonts-liberation
)
case "${1:-}" in
  "") ;;
  --test | --print-test)
    # QQwing: the tests check the exact solver's counts against it.
    packages+=(
      libqqwing-dev libqt6test6 libgtest-dev libgmock-dev libbenchmark-dev poppler-utils fonts-dejavu-core
      xvfb xauth xdotool imagemagick openbox weston
      clang libclang-rt-14-dev
      dpkg-dev file desktop-file-utils librsvg2-bin appstream man-db lintian
      gcovr locales
    )
    # Not with --test alone: installing cups-pdf on a desktop adds a PDF
    # printer to its running CUPS.
    if [ "$1" = "--print-test" ]; then
      packages+=(cups cups-client cups-filters printer-driver-cups-pdf ghostscript python3)
    fi
    ;;
  *)
    echo "usage: scripts/install-deps.sh [--test | --print-test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
