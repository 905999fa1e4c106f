#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots under a virtual X server: the start screen,
# the main screen during a game (givens typed in and fixed, a few own
# digits), and the print screen of that game with its header fields filled.
# Then prints that screen on a private CUPS server's PDF printer and saves
# the page as an image (as root only; see tests/integration/private_cups.sh).
# Needs a build in build/ and the packages xvfb, xdotool, imagemagick.
# Usage: docs/screenshots.sh            (from anywhere; writes docs/*.png)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside
fi

source tests/integration/private_cups.sh
printer=0
cups_start && printer=1 || echo "No printed page: $CUPS_ROOT" >&2

build/sudoku &
program=$!
trap 'kill $program 2>/dev/null || true; cups_stop' EXIT
sleep 2

# Without a window manager every window opens at 0,0 without a frame.
shot() { import -window root -crop "$2" +repage -strip "docs/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
# The centre of board cell k (row a, column b): 360 + 360(b-1), 2520 + 360(a-1)
# twips, 15 twips a pixel.
cell() {
  local k=$1 a b
  a=$(((k - 1) / 9)); b=$(((k - 1) % 9))
  click $((24 + 24 * b + 12)) $((168 + 24 * a + 12))
}

shot start 703x591+0+0

click 100 508   # "Sudoku starten"
sleep 1
# The givens, row by row; a blank skips a cell, since every key moves on.
cell 1
given=""
for row in "53..7...." "6..195..." ".98....6." "8...6...3" "4..8.3..1" "7...2...6" \
             ".6....28." "...419..5" "....8..79"; do
  given+="${row//./ }"
done
xdotool type --delay 30 "$given"
sleep 0.5
click 420 434   # "Vorgabe beenden"
for entry in 3:4 4:6 6:8 7:9 8:1 22:2; do
  cell "${entry%%:*}"
  xdotool type "${entry##*:}"
done
sleep 0.5
shot main 748x593+0+0

click 420 544   # "Drucken"
sleep 1
# The header fields: puzzle, author, date, notes (centres of txt_eing(0..3)).
field() { click "$1" "$2"; xdotool type --delay 20 "$3"; }
field 436 80 "Zeitungsrätsel Nr. 17"
field 436 128 "Erika Mustermann"
field 436 184 "3. März 2024, 20:15"
field 468 300 "Die ersten sechs eigenen Ziffern."
sleep 0.5
shot print_screen 651x537+0+0

if [ "$printer" = 1 ]; then
  click 388 508   # "Drucken"
  if cups_wait 600 cups_ready; then
    pdftoppm -png -r 60 -singlefile "$(find "$CUPS_PAGES" -name '*.pdf' | head -1)" docs/page
  else
    echo "No printed page arrived within 60 s" >&2
  fi
fi
