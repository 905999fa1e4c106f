#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Figures of the program as a user meets them, under a virtual X server,
# each the median of several runs (default 5):
#   - launch to the start screen drawn,
#   - click on "Sudoku starten" to the main screen drawn,
#   - key press in a cell to that cell repainted with the digit (27 digits a
#     run: median and worst over all runs),
#   - resident memory with the start screen, the main screen, and after the
#     27 moves.
# The program measures itself when SUDOKU_ZEITMESSUNG holds the launch time
# (see app/zeitmessung.h); normal runs are not affected.
# Usage: bench/startup.sh [RUNS] [BUILD-DIR]   (default: 5 runs of build/sudoku)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=${2:-build}

if [ "${3:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" "$build" --inside
fi

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# One warm-up run fills the file system cache, as on a desktop in use.
SUDOKU_ZEITMESSUNG=$(date +%s%N) "$build/sudoku" >/dev/null 2>&1 || true
for _ in $(seq "$runs"); do
  SUDOKU_ZEITMESSUNG=$(date +%s%N) "$build/sudoku" 2>&1 |
    grep -E '^(start|main|rss|taste)_' >>"$results"
done

values() { grep "^$1 " "$results" | awk '{print $2}' | sort -n; }
median() { values "$1" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
worst() { values "$1" | tail -1; }
mb() { awk -v kb="$(median "$1")" 'BEGIN {printf "%.1f", kb / 1024}'; }
echo "runs: $runs ($(values taste_bis_ziffer_ms | wc -l) key presses)"
echo "start screen shown after launch:  $(median start_sichtbar_ms) ms (target 200)"
echo "main screen shown after click:    $(median main_nach_klick_ms) ms (target 100)"
echo "key press to repainted digit:     $(median taste_bis_ziffer_ms) ms, worst $(worst taste_bis_ziffer_ms) ms (target 16)"
echo "resident memory, start screen:    $(mb rss_start_kb) MB (target 45)"
echo "resident memory, main screen:     $(mb rss_main_kb) MB"
echo "resident memory, after 27 moves:  $(mb rss_spiel_kb) MB"
