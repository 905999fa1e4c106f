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
#     app/selbstpruefung.h), and one in the working directory takes
#     precedence.
# Usage: installation_pruefen.sh PREFIX [--verschoben]
#   --verschoben  the installation is not where the program was built for:
#                 its explanation file gets a marker line first, so that the
#                 check shows that this very copy was found.
set -euo pipefail
quelle="$(cd "$(dirname "$0")/../.." && pwd)"
prefix="$1"
verschoben="${2:-}"
paket=sudoku-assistent
programm=games/sudoku-assistent
# The application id that names the desktop entry, the icon and the
# software centre entry.
id=$(basename "$(grep -l "<binary>$paket</binary>" "$prefix"/share/metainfo/*.metainfo.xml | head -n 1)" .metainfo.xml)

fehler=0
scheitern() { echo "FEHLER: $*" >&2; fehler=1; }

# The files, in their standard places.
dateien=(
  $programm
  share/sudoku/sudoku_erkl.txt
  share/applications/$id.desktop
  share/icons/hicolor/16x16/apps/$id.png
  share/icons/hicolor/scalable/apps/$id.svg
)
for d in "${dateien[@]}"; do
  [ -f "$prefix/$d" ] || scheitern "$prefix/$d fehlt"
done
[ $fehler -eq 0 ] || exit 1
[ -x "$prefix/$programm" ] || scheitern "$prefix/$programm ist nicht ausführbar"
cmp -s "$quelle/sudoku_erkl.txt" "$prefix/share/sudoku/sudoku_erkl.txt" ||
  scheitern "die installierte Erklärung weicht von sudoku_erkl.txt ab"

# The desktop entry.
eintrag="$prefix/share/applications/$id.desktop"
desktop-file-validate "$eintrag" || scheitern "desktop-file-validate lehnt $eintrag ab"
schluessel() { sed -n "s/^$1=//p" "$eintrag"; }
[ "$(schluessel Exec)" = $paket ] || scheitern "Exec ist nicht $paket"
[ "$(schluessel Icon)" = "$id" ] || scheitern "Icon ist nicht $id"
[ "$(schluessel Categories)" = "Game;LogicGame;" ] || scheitern "Categories ist nicht Game;LogicGame;"
[ -n "$(schluessel Name)" ] && [ -n "$(schluessel Comment)" ] || scheitern "Name oder Comment fehlt"

# The icon: a 16 x 16 PNG, and an SVG that renders to the same pixels.
png="$prefix/share/icons/hicolor/16x16/apps/$id.png"
svg="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
file -b "$png" | grep -q '^PNG image data, 16 x 16,' || scheitern "$png ist kein 16x16-PNG"
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
rsvg-convert -w 16 -h 16 -o "$arbeit/svg.png" "$svg" || scheitern "rsvg-convert kann $svg nicht zeichnen"
abweichend=$(compare -metric AE "$png" "$arbeit/svg.png" null: 2>&1 || true)
[ "$abweichend" = 0 ] || scheitern "PNG und SVG des Symbols weichen in $abweichend Pixeln ab"

# The installed program, started from a directory that has nothing to do
# with it, shows its explanation text.
erklaerung="$prefix/share/sudoku/sudoku_erkl.txt"
if [ "$verschoben" = --verschoben ]; then
  echo "Markierung dieser Installation" >>"$erklaerung"
fi
erklaerung_zeigen() {
  (cd "$arbeit/anderswo" &&
    SUDOKU_SELBSTPRUEFUNG=erklaerung QT_QPA_PLATFORM=offscreen \
      timeout 60 "$prefix/$programm" 2>"$arbeit/fehler.txt")
}
mkdir "$arbeit/anderswo"
if erklaerung_zeigen >"$arbeit/gezeigt.txt"; then
  # The box shows each line followed by a line break.
  tr -d '\r' <"$erklaerung" >"$arbeit/erwartet.txt"
  cmp -s "$arbeit/erwartet.txt" "$arbeit/gezeigt.txt" ||
    scheitern "das installierte Programm zeigt nicht die installierte Erklärung"
else
  scheitern "das installierte Programm findet seine Erklärung nicht: $(cat "$arbeit/fehler.txt")"
fi
# A file in the working directory comes first, as it always did.
printf 'Eigene Erklärung\r\nim Arbeitsordner\r\n' >"$arbeit/anderswo/sudoku_erkl.txt"
if erklaerung_zeigen >"$arbeit/gezeigt.txt"; then
  [ "$(cat "$arbeit/gezeigt.txt")" = "$(printf 'Eigene Erklärung\nim Arbeitsordner')" ] ||
    scheitern "die Erklärung im Arbeitsordner geht nicht vor"
else
  scheitern "das installierte Programm zeigt die Erklärung im Arbeitsordner nicht"
fi
if [ "$verschoben" = --verschoben ]; then
  cp "$quelle/sudoku_erkl.txt" "$erklaerung"
fi

"$(dirname "$0")/check_metadata.sh" "$prefix" || fehler=1

if [ $fehler -ne 0 ]; then
  echo "Installation unter $prefix: fehlerhaft" >&2
  exit 1
fi
echo "Installation unter $prefix: alle Dateien an ihrem Platz, Desktop-Eintrag gültig, Erklärung gefunden"
