#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installation of the program below PREFIX (e.g. /usr, or
# ROOT/usr for a package unpacked into ROOT):
#   - every installed file is in place, the explanation text is the one
#     from the source tree;
#   - desktop-file-validate accepts the desktop entry, whose program and
#     icon are installed;
#   - the 16 x 16 icon and the SVG icon show the same pixels;
#   - the software centre entry, the manual pages, the changelog and the
#     copyright file (check_metadata.sh);
#   - the installed program, started from an unrelated directory on the
#     offscreen platform, shows its explanation text (its self-check, see
#     app/self_check.h), and one in the working directory takes
#     precedence.
# Usage: check_installation.sh PREFIX [--moved]
#   --moved  the installation is not where the program was built for:
#                 its explanation file gets a marker line first, so that the
#                 check shows that this very copy was found.
set -euo pipefail
source="$(cd "$(dirname "$0")/../.." && pwd)"
prefix="$1"
moved="${2:-}"
package=sudoku-assistent
program=games/sudoku-assistent
# The application id that names the desktop entry, the icon and the
# software centre entry.
id=$(basename "$(grep -l "<binary>$package</binary>" "$prefix"/share/metainfo/*.metainfo.xml | head -n 1)" .metainfo.xml)

failures=0
fail_check() { echo "ERROR: $*" >&2; failures=1; }

# The files, in their standard places.
installed_files=(
  $program
  share/sudoku/sudoku_erkl.txt
  share/applications/$id.desktop
  share/icons/hicolor/16x16/apps/$id.png
  share/icons/hicolor/scalable/apps/$id.svg
)
for d in "${installed_files[@]}"; do
  [ -f "$prefix/$d" ] || fail_check "$prefix/$d is missing"
done
[ $failures -eq 0 ] || exit 1
[ -x "$prefix/$program" ] || fail_check "$prefix/$program is not executable"
cmp -s "$source/sudoku_erkl.txt" "$prefix/share/sudoku/sudoku_erkl.txt" ||
  fail_check "the installed explanation differs from sudoku_erkl.txt"

# The desktop entry.
entry="$prefix/share/applications/$id.desktop"
desktop-file-validate "$entry" || fail_check "desktop-file-validate lehnt $entry ab"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Exec)" = $package ] || fail_check "Exec is not $package"
[ "$(key Icon)" = "$id" ] || fail_check "Icon is not $id"
[ "$(key Categories)" = "Game;LogicGame;" ] || fail_check "Categories is not Game;LogicGame;"
[ -n "$(key Name)" ] && [ -n "$(key Comment)" ] || fail_check "Name or Comment is missing"

# The icon: a 16 x 16 PNG, and an SVG that renders to the same pixels.
png="$prefix/share/icons/hicolor/16x16/apps/$id.png"
svg="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
file -b "$png" | grep -q '^PNG image data, 16 x 16,' || fail_check "$png is no 16x16 PNG"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rsvg-convert -w 16 -h 16 -o "$work/svg.png" "$svg" || fail_check "rsvg-convert cannot draw $svg"
differing=$(compare -metric AE "$png" "$work/svg.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail_check "PNG and SVG of the icon differ in $differing pixels"

# The installed program, started from a directory that has nothing to do
# with it, shows its explanation text.
explanation="$prefix/share/sudoku/sudoku_erkl.txt"
if [ "$moved" = --moved ]; then
  echo "Markierung dieser Installation" >>"$explanation"
fi
show_explanation() {
  (cd "$work/elsewhere" &&
    SUDOKU_SELF_CHECK=explanation QT_QPA_PLATFORM=offscreen \
      timeout 60 "$prefix/$program" 2>"$work/errors.txt")
}
mkdir "$work/elsewhere"
if show_explanation >"$work/shown.txt"; then
  # The box shows each line followed by a line break.
  tr -d '\r' <"$explanation" >"$work/expected.txt"
  cmp -s "$work/expected.txt" "$work/shown.txt" ||
    fail_check "the installed program does not show the installed explanation"
else
  fail_check "the installed program does not find its explanation: $(cat "$work/errors.txt")"
fi
# A file in the working directory comes first.
printf 'Own explanation\r\nin the working directory\r\n' >"$work/elsewhere/sudoku_erkl.txt"
if show_explanation >"$work/shown.txt"; then
  [ "$(cat "$work/shown.txt")" = "$(printf 'Own explanation\nin the working directory')" ] ||
    fail_check "the explanation in the working directory does not come first"
else
  fail_check "the installed program does not show the explanation in the working directory"
fi
if [ "$moved" = --moved ]; then
  cp "$source/sudoku_erkl.txt" "$explanation"
fi

"$(dirname "$0")/check_metadata.sh" "$prefix" || failures=1

if [ $failures -ne 0 ]; then
  echo "installation in $prefix: faulty" >&2
  exit 1
fi
echo "installation in $prefix: every file in place, desktop entry valid, explanation found"
