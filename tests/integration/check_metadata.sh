#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the files around the program in an installation below PREFIX:
#   - the software centre entry passes `appstreamcli validate --no-net`,
#     names the desktop entry and icon of its own id, the installed program,
#     the screenshots of docs/ and the version of packaging/changelog;
#   - both manual pages render with `man -l` without a warning, carry that
#     version and name the explanation text and the puzzle files;
#   - the changelog is packaging/changelog, the copyright file is in the
#     machine-readable format and names the licence.
# Usage: check_metadata.sh PREFIX
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
prefix="$1"
package=sudoku-assistent

failed=0
fail() { echo "ERROR: $*" >&2; failed=1; }

version=$(dpkg-parsechangelog -l "$source_dir/packaging/changelog" -S Version)

# The software centre entry: exactly one that provides the program, named
# after its id.
mapfile -t metainfos < <(grep -l "<binary>$package</binary>" "$prefix"/share/metainfo/*.metainfo.xml)
[ ${#metainfos[@]} -eq 1 ] || {
  echo "ERROR: not exactly one metainfo file for $package in $prefix/share/metainfo" >&2
  exit 1
}
metainfo=${metainfos[0]}
id=$(basename "$metainfo" .metainfo.xml)
appstreamcli validate --no-net "$metainfo" >/dev/null ||
  fail "appstreamcli rejects $metainfo: $(appstreamcli validate --no-net "$metainfo")"
# The text of the elements <NAME ATTRIBUTES> that stand on a line of their own.
element() { sed -n "s|^ *<$1${2:+ $2}>\(.*\)</$1>\$|\1|p" "$metainfo"; }
[ "$(element id)" = "$id" ] || fail "the metainfo's id is not $id"
[ "$(element launchable 'type="desktop-id"')" = "$id.desktop" ] || fail "the metainfo does not launch $id.desktop"
[ -f "$prefix/share/applications/$id.desktop" ] || fail "no desktop entry $id.desktop"
[ "$(element icon 'type="stock"')" = "$id" ] || fail "the metainfo's icon is not $id"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon $id.svg"
[ -x "$prefix/games/$(element binary)" ] || fail "the metainfo's program $(element binary) is not installed"
grep -q "<release version=\"$version\" " "$metainfo" || fail "the metainfo lacks release $version"
screenshots=$(element image)
[ -n "$screenshots" ] || fail "the metainfo shows no screenshot"
for image in $screenshots; do
  [ -f "$source_dir/docs/$(basename "$image")" ] || fail "screenshot $image is not in docs/"
done

# The manual pages, English and German.
for page in "$prefix/share/man/man6/$package.6.gz" "$prefix/share/man/de/man6/$package.6.gz"; do
  if [ ! -f "$page" ]; then
    fail "$page is missing"
    continue
  fi
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $page warns: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
  grep -q "^$package $version " <<<"$text" || fail "$page does not carry version $version"
  for name in "share/sudoku/sudoku_erkl.txt" "NAME.txt" "Ctrl+V\|Strg+V"; do
    grep -q "$name" <<<"$text" || fail "$page does not name $name"
  done
done

# The Debian documents.
doc="$prefix/share/doc/$package"
if zcat "$doc/changelog.gz" 2>/dev/null | cmp -s - "$source_dir/packaging/changelog"; then :; else
  fail "$doc/changelog.gz is not packaging/changelog"
fi
[ "$(head -n 1 "$doc/copyright" 2>/dev/null)" = \
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "$doc/copyright is not in the machine-readable format"
grep -q "^License: GPL-3+$" "$doc/copyright" || fail "$doc/copyright names no GPL-3+ licence"

if [ $failed -ne 0 ]; then
  echo "Metadata under $prefix: faulty" >&2
  exit 1
fi
echo "Metadata under $prefix: metainfo valid, manual pages shown, changelog and copyright in place"
