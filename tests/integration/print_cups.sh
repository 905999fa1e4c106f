#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing end to end. A private CUPS server gets Debian's virtual PDF
# printer cups-pdf as its default printer (private_cups.sh). The program's
# screens on the real Qt platform (offscreen, test driver print_cups_test)
# type a few digits and the header texts and print. One PDF page must arrive
# with the digits in their grid cells, the header texts and the labels on it,
# without the print screen's buttons, and with every line of the notes,
# which only the lengthened notes field shows. Then a queue that rejects
# jobs, and a stopped server, must both give the printer message. Last, a
# server that accepts connections and never answers: the printer message
# within the program's bound while the window keeps painting, and a PDF
# file written at once, without that server's answer.
#
#   tests/integration/print_cups.sh [BUILD_DIR [PAGE_PNG]]
#
# BUILD_DIR defaults to build/. PAGE_PNG: also save the printed page there
# as an image (paths relative to the repository's root). Needs root. Exit
# status 0 passed, 1 failed, 77 skipped: CUPS cannot be installed or started
# on this machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
page_image=${2:-}
driver=$build/tests/integration/print_cups_test
source tests/integration/private_cups.sh

skip() {
  echo "SKIP print_cups: $*" >&2
  exit 77
}
fail() {
  echo "FAIL print_cups: $*" >&2
  if [ -n "$CUPS_FOLDER" ] && [ -f "$CUPS_FOLDER/log/error_log" ]; then
    echo "--- CUPS errors:" >&2
    grep -E '^E ' "$CUPS_FOLDER/log/error_log" | tail -20 >&2 || true
  fi
  exit 1
}

[ -x "$driver" ] || fail "$driver is missing: build first"
silent_pid=""
stop_all() {
  [ -n "$silent_pid" ] && kill "$silent_pid" 2>/dev/null
  cups_stop
}
trap stop_all EXIT
status=0
cups_start || status=$?
[ "$status" -eq 77 ] && skip "$CUPS_ROOT"
[ "$status" -eq 0 ] || fail "$CUPS_ROOT"
D=$CUPS_FOLDER
mkdir -p "$D/home"
chmod 700 "$D/home"

run_driver() {
  local test=$1
  env ${2:+CUPS_SERVER=$2} HOME=$D/home XDG_RUNTIME_DIR=$D/home QT_QPA_PLATFORM=offscreen \
    SUDOKU_PRINT_TEST_PRINTER=$CUPS_PRINTER \
    timeout 120 "$driver" "$test" >"$D/log/$test.out" 2>&1 || {
    cat "$D/log/$test.out" >&2
    fail "$test"
  }
  if grep -q "^SKIP" "$D/log/$test.out"; then
    cat "$D/log/$test.out" >&2
    fail "$test was skipped"
  fi
}

# 1. A page reaches the printer.
run_driver aPageGoesToTheDefaultPrinter
cups_wait 600 cups_ready || fail "no page arrived within 60 s"
[ "$(cups_pages)" -eq 1 ] || fail "$(cups_pages) files arrived instead of one"
page=$(find "$CUPS_PAGES" -name '*.pdf')
page_count=$(pdfinfo "$page" | awk '/^Pages:/ { print $2 }')
[ "$page_count" = 1 ] || fail "the PDF has $page_count pages instead of one"
pdftotext "$page" "$D/seite.txt"
for text in "Geben Sie, falls gewünscht, folgende Informationen ein!" \
  "Bezeichnung / Nr. des Rätsels" "Name des Autors / Rätsellösers" \
  "Datum / Uhrzeit der Erstellung" "Zusätzliche Anmerkungen" \
  "Rätsel aus der Zeitung" "Erika Mustermann" "Montag Abend" \
  "Notiz eins" "Notiz dreizehn"; do
  grep -qF "$text" "$D/seite.txt" || fail "\"$text\" is not on the page: $(tr '\n' '|' <"$D/seite.txt")"
done
for text in Drucken Zurück; do
  ! grep -qF "$text" "$D/seite.txt" || fail "the button \"$text\" is on the page"
done
# The digits where the grid has them: givens 5 and 3 in the top row's first
# two cells, own entries 4 in the centre cell and 9 in the bottom-right one;
# no other digit on the page. Positions from pdftotext's word boxes, in
# units of one cell (the distance from the 5 to the 3).
pdftotext -bbox "$page" "$D/seite.html"
digits=$(sed -nE 's/.*xMin="([0-9.]+)" yMin="([0-9.]+)".*>([0-9]+)<\/word>.*/\3 \1 \2/p' "$D/seite.html")
placement=$(awk '
  { z[NR] = $1; x[NR] = $2; y[NR] = $3 }
  END {
    if (NR != 4) { print NR " digits"; exit }
    cell = x[2] - x[1]
    if (cell <= 0) { print "no cell width"; exit }
    for (i = 1; i <= 4; i++)
      printf "%s(%d,%d) ", z[i], int((y[i] - y[1]) / cell + 0.5), int((x[i] - x[1]) / cell + 0.5)
  }' <<<"$digits")
[ "$placement" = "5(0,0) 3(0,1) 4(4,4) 9(8,8) " ] ||
  fail "the digits stand at \"$placement\" instead of \"5(0,0) 3(0,1) 4(4,4) 9(8,8) \" (row, column)"
if [ -n "$page_image" ]; then
  pdftoppm -png -r 60 -singlefile "$page" "${page_image%.png}" || fail "pdftoppm"
fi

# 2. A queue that rejects jobs: the printer message, no page.
cupsreject "$CUPS_PRINTER"
run_driver thePrinterFailureIsReported
cupsaccept "$CUPS_PRINTER"
sleep 1
[ "$(cups_pages)" -eq 1 ] || fail "a rejected job left a page"

# 3. No server, no printer: the printer message.
cups_stop_queue
run_driver thePrinterFailureIsReported

# 4. A server that accepts connections and never answers.
python3 -c '
import socket, sys
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(8)
print(server.getsockname()[1], flush=True)
held = []
while True:
    held.append(server.accept())
    print("connection", file=sys.stderr, flush=True)
' >"$D/silent.port" 2>"$D/silent.connections" &
silent_pid=$!
cups_wait 100 test -s "$D/silent.port" || fail "the silent print server did not start"
silent=127.0.0.1:$(cat "$D/silent.port")
run_driver aSilentServerGivesThePrinterMessageInTime "$silent"
asked=$(wc -l <"$D/silent.connections")
run_driver aPdfNeedsNoAnswerFromTheServer "$silent"
[ "$(wc -l <"$D/silent.connections")" -eq "$asked" ] || fail "the PDF save asked the print server"
grep -h "^QINFO" "$D/log/aSilentServerGivesThePrinterMessageInTime.out" \
  "$D/log/aPdfNeedsNoAnswerFromTheServer.out" | sed 's/^QINFO *: /silent print server: /'

echo "PASS print_cups: one page with the digits in their cells and the header texts;" \
  "a rejected job, a stopped server and a silent one give the printer message;" \
  "a PDF file needs no answer from a print server"
