#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, end to end:
#   1. builds it (scripts/build-package.sh, in build-package/);
#   2. lintian, Debian's own checker, must report no error and no warning
#      (the overrides, each with its reason, are in packaging/lintian-overrides);
#   3. checks its control data (name, section, the version of
#      packaging/changelog, the fonts and Qt's translations among the
#      dependencies, and for every shared library the program needs the
#      package that holds it) and that it holds exactly the files a user
#      needs; the root's LICENSE is the GPL 3 text Debian ships;
#   4. unpacks it into a fresh root with dpkg -x and checks that
#      installation, which is not where the program was built for;
#   5. as root with apt: installs it with apt-get, checks the installation
#      under /usr and removes the package again. Skipped when the package
#      was installed already, so that a developer's own installation stays.
# The checks of an installation are in check_installation.sh and
# check_metadata.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
here=tests/integration
package=sudoku-assistent
program=usr/games/$package

deb=$(scripts/build-package.sh build-package)
echo "Package: $deb"

failed=0
fail() { echo "ERROR: $*" >&2; failed=1; }

lintian --info --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

# Control data.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = $package ] || fail "Package is $(field Package)"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[ "$(field Version)" = "$(dpkg-parsechangelog -l packaging/changelog -S Version)" ] ||
  fail "Version $(field Version) is not the one of packaging/changelog"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q Sudoku <<<"$(field Description)" || fail "no Description"
depends=$(field Depends)
depends_names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//')
# Whether Depends names package $1 (with or without a version).
depends_on() { grep -Fxq "$1" <<<"$depends_names"; }
for p in fonts-urw-base35 fonts-liberation qt6-translations-l10n; do
  depends_on "$p" || fail "$p missing from Depends: $depends"
done
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is not qt6-wayland: $(field Recommends)"

# Exactly the files a user needs, under /usr.
expected=$(printf '%s\n' ./$program ./usr/share/sudoku/sudoku_erkl.txt \
  ./usr/share/doc/$package/changelog.gz ./usr/share/doc/$package/copyright \
  ./usr/share/lintian/overrides/$package \
  ./usr/share/man/de/man6/$package.6.gz ./usr/share/man/man6/$package.6.gz | sort)
contents=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' |
  grep -v -e '^\./usr/share/applications/' -e '^\./usr/share/icons/' -e '^\./usr/share/metainfo/' |
  sort)
[ "$contents" = "$expected" ] || fail "the package holds:
$contents"
cmp -s LICENSE /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL 3 text"

# Unpacked into a fresh root.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
# Every shared library the program needs comes from a package it depends on.
for library in $(objdump -p "$root/$program" | awk '$1 == "NEEDED" { print $2 }'); do
  path=$(/sbin/ldconfig -p | awk -v l="$library" '$1 == l && !found { print $NF; found = 1 }')
  # dpkg knows a file by the path its package installed it under, which
  # is either the linker's path or the one the link leads to.
  owner=""
  for p in "$path" "$(readlink -f "$path")"; do
    [ -n "$owner" ] || owner=$(dpkg -S "$p" 2>/dev/null | sed -n '1s/:.*//p') || true
  done
  if [ -z "$owner" ]; then
    fail "no package holds $library"
  elif ! depends_on "$owner"; then
    fail "$library comes from $owner, which is missing from Depends: $depends"
  fi
done
"$here/check_installation.sh" "$root/usr" --moved || failed=1

# Installed on this machine.
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "Installation with apt-get skipped: root only"
elif dpkg-query -W -f='${Status}' $package 2>/dev/null | grep -q "install ok installed"; then
  echo "Installation with apt-get skipped: $package is installed already"
else
  trap 'dpkg --purge $package >/dev/null || true; rm -rf "$root"' EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null
  for f in /$program /usr/share/sudoku/sudoku_erkl.txt /usr/share/man/de/man6/$package.6.gz; do
    dpkg -L $package | grep -x "$f" >/dev/null || fail "dpkg -L $package does not list $f"
  done
  "$here/check_installation.sh" /usr || failed=1
  dpkg --purge $package >/dev/null
  [ ! -e /$program ] || fail "/$program stays after the package is removed"
  trap 'rm -rf "$root"' EXIT
fi

if [ $failed -ne 0 ]; then
  echo "Debian package: faulty" >&2
  exit 1
fi
echo "Debian package: checked"
