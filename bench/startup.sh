#!/usr/bin/env bash
# Startup figures of the program under a virtual X server, median of 5 runs:
#   - launch to the start screen drawn,
#   - click on "Sudoku starten" to the main screen drawn,
#   - resident memory with the start screen up, and with the main screen up.
# The program measures itself when SUDOKU_ZEITMESSUNG holds the launch time
# (see app/zeitmessung.h); normal runs are not affected.
# Usage: bench/startup.sh [RUNS]   (needs a build in build/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

if [ "${2:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" --inside
fi

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# One warm-up run fills the file system cache, as on a desktop in use.
SUDOKU_ZEITMESSUNG=$(date +%s%N) build/sudoku 2>/dev/null || true
for _ in $(seq "$runs"); do
  SUDOKU_ZEITMESSUNG=$(date +%s%N) build/sudoku 2>&1 | grep -E '^(start|main|rss)_' >>"$results"
done

median() { grep "^$1 " "$results" | awk '{print $2}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs"
echo "start screen shown after launch: $(median start_sichtbar_ms) ms (target 200)"
echo "main screen shown after click:   $(median main_nach_klick_ms) ms (target 100)"
echo "resident memory, start screen:   $(( $(median rss_start_kb) / 1024 )) MB (target 45)"
echo "resident memory, main screen:    $(( $(median rss_main_kb) / 1024 )) MB"
