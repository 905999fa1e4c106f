#!/usr/bin/env bash
# The Debian package, end to end:
#   1. builds the program for the prefix /usr (in build-package/, optimised
#      as the normal build; CPack strips it) and the package with CPack;
#   2. checks its control data (name, section, maintainer, the Qt libraries
#      and the fonts among the dependencies) and that it holds exactly the
#      files a user needs;
#   3. unpacks it into a fresh root with dpkg -x and checks that
#      installation, which is not where the program was built for;
#   4. as root with apt: installs it with apt-get, checks the installation
#      under /usr and removes the package again. Skipped when the package
#      was installed already, so that a developer's own installation stays.
# The checks of an installation are in check_installation.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
here=tests/integration
package=sudoku-assistent
build_dir=build-package

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DSUDOKU_TESTS=OFF \
  >/dev/null
cmake --build "$build_dir" -j2 --target sudoku program_icon >/dev/null
rm -f "$build_dir"/${package}_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/${package}_*.deb)
echo "Paket: $deb"

failures=0
fail_check() { echo "ERROR: $*" >&2; failures=1; }

# Control data.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = $package ] || fail_check "Package is $(field Package)"
[ "$(field Section)" = games ] || fail_check "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || fail_check "no Maintainer"
field Description | grep -q 'Sudoku' || fail_check "no description"
depends=$(field Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-urw-base35 fonts-liberation \
  qt6-translations-l10n; do
  echo "$depends" | grep -Eq "(^|, )$p( |,|$)" || fail_check "$p missing from Depends: $depends"
done

# Exactly the files a user needs, under /usr.
expected=$(printf '%s\n' ./usr/bin/sudoku ./usr/share/applications/$package.desktop \
  ./usr/share/icons/hicolor/16x16/apps/$package.png \
  ./usr/share/icons/hicolor/scalable/apps/$package.svg ./usr/share/sudoku/sudoku_erkl.txt)
contained=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
[ "$contained" = "$expected" ] || fail_check "the package holds:
$contained"

# Unpacked into a fresh root.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
"$here/check_installation.sh" "$root/usr" --moved || failures=1

# Installed on this machine.
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "installation with apt-get skipped: only as root"
elif dpkg-query -W -f='${Status}' $package 2>/dev/null | grep -q "install ok installed"; then
  echo "installation with apt-get skipped: $package is installed already"
else
  trap 'dpkg --purge $package >/dev/null || true; rm -rf "$root"' EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null
  for d in /usr/bin/sudoku /usr/share/sudoku/sudoku_erkl.txt; do
    dpkg -L $package | grep -qx "$d" || fail_check "dpkg -L $package does not list $d"
  done
  "$here/check_installation.sh" /usr || failures=1
  dpkg --purge $package >/dev/null
  [ ! -e /usr/bin/sudoku ] || fail_check "/usr/bin/sudoku bleibt nach dem Entfernen"
  trap 'rm -rf "$root"' EXIT
fi

if [ $failures -ne 0 ]; then
  echo "Debian package: faulty" >&2
  exit 1
fi
echo "Debian package: checked"
