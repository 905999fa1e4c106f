#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the program, its tests, its benchmarks, its
# fuzzer, its coverage report and its Debian package need. Installs only what
# is missing; runs apt-get through sudo when not root.
#   scripts/install-deps.sh               what building and the CTest tests need
#   scripts/install-deps.sh --print-test  also the printing system for the
#                                         printing integration test (CI): CUPS
#                                         with its virtual PDF printer, and
#                                         poppler's tools to read the page
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libqt6test6 libcups2-dev
  qt6-translations-l10n libqqwing-dev
  libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
  fonts-urw-base35 fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool imagemagick openbox
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils librsvg2-bin appstream man-db lintian
  gcovr locales
)
# Not by default: installing cups-pdf on a desktop adds a PDF printer to its
# running CUPS.
if [ "${1:-}" = "--print-test" ]; then
  packages+=(cups cups-client cups-filters printer-driver-cups-pdf ghostscript poppler-utils)
fi

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
