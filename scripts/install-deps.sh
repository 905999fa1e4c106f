#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests, its benchmarks, its
# fuzzer and its coverage report need. Installs only what is missing; runs
# apt-get through sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libqt6test6
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-urw-base35 fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  clang libclang-rt-14-dev
  gcovr
)

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
