#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots under a virtual X server: the start screen,
# the main screen during a game (givens typed in and fixed, a few own
# digits), and the print screen of that game with its header fields filled.
# Then prints that screen on a private CUPS server's PDF printer and saves
# the page as an image (as root only; see tests/integration/privater_cups.sh).
# Needs a build in build/ and the packages xvfb, xdotool, imagemagick.
# Usage: docs/screenshots.sh            (from anywhere; writes docs/*.png)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside
fi

source tests/integration/privater_cups.sh
drucker=0
cups_starten && drucker=1 || echo "No printed page: $CUPS_GRUND" >&2

build/sudoku &
programm=$!
trap 'kill $programm 2>/dev/null || true; cups_beenden' EXIT
sleep 2

# Without a window manager every window opens at 0,0 without a frame.
aufnahme() { import -window root -crop "$2" +repage -strip "docs/$1.png"; }
klick() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
# The centre of board cell k (row a, column b): 360 + 360(b-1), 2520 + 360(a-1)
# twips, 15 twips a pixel.
zelle() {
  local k=$1 a b
  a=$(((k - 1) / 9)); b=$(((k - 1) % 9))
  klick $((24 + 24 * b + 12)) $((168 + 24 * a + 12))
}

aufnahme start 703x591+0+0

klick 100 508   # "Sudoku starten"
sleep 1
# The givens, row by row; a blank skips a cell, since every key moves on.
zelle 1
vorgabe=""
for reihe in "53..7...." "6..195..." ".98....6." "8...6...3" "4..8.3..1" "7...2...6" \
             ".6....28." "...419..5" "....8..79"; do
  vorgabe+="${reihe//./ }"
done
xdotool type --delay 30 "$vorgabe"
sleep 0.5
klick 420 434   # "Vorgabe beenden"
for eintrag in 3:4 4:6 6:8 7:9 8:1 22:2; do
  zelle "${eintrag%%:*}"
  xdotool type "${eintrag##*:}"
done
sleep 0.5
aufnahme main 748x593+0+0

klick 420 544   # "Drucken"
sleep 1
# The header fields: puzzle, author, date, notes (centres of txt_eing(0..3)).
feld() { klick "$1" "$2"; xdotool type --delay 20 "$3"; }
feld 436 80 "Zeitungsrätsel Nr. 17"
feld 436 128 "Erika Mustermann"
feld 436 184 "3. März 2024, 20:15"
feld 468 300 "Die ersten sechs eigenen Ziffern."
sleep 0.5
aufnahme druck 651x537+0+0

if [ "$drucker" = 1 ]; then
  klick 388 508   # "Drucken"
  if cups_warten 600 cups_fertig; then
    pdftoppm -png -r 60 -singlefile "$(find "$CUPS_SEITEN" -name '*.pdf' | head -1)" docs/seite
  else
    echo "No printed page arrived within 60 s" >&2
  fi
fi
