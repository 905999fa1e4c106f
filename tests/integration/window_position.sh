#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A window shown again stands where the user left it. On a private virtual X
# server with the openbox window manager, each of the three windows is moved
# through the window manager, as a user drags it, then hidden by switching
# to another screen and shown again: it must come back with the same
# position and size.
# Usage: tests/integration/window_position.sh PROGRAM
# Needs Xvfb, openbox and xdotool. Exit status 0 when every window came back
# where it was.
set -euo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Runs the command until it succeeds, for at most $1 seconds.
wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    if [ "$SECONDS" -ge "$end" ]; then
      echo "timed out waiting for: $*" >&2
      return 1
    fi
    sleep 0.1
  done
}

# A free display: Xvfb picks the number and writes it to file descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 20 test -s "$work/display"
export DISPLAY=":$(head -1 "$work/display")"

# openbox with its default configuration; its own files go to the test's folder.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 20 test -e "$work/wm-ready"

cd "$work"
"$program" 2>"$work/program.log" &
pids+=($!)

# The one visible window with this title whose id is not $2 (the screen
# that was visible before: the start and the main window share a title).
visible_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    if [ "$id" != "${2:-}" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
window_after() {
  local end=$((SECONDS + 20))
  until visible_window "$@"; do
    if [ "$SECONDS" -ge "$end" ]; then
      echo "timed out waiting for a window \"$1\"" >&2
      return 1
    fi
    sleep 0.1
  done
}
geometry() { xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)='; }
# True when the window's client area stands at $2,$3 or just inside the
# frame the window manager puts around it there.
placed_at() {
  local X Y WIDTH HEIGHT
  eval "$(geometry "$1")"
  [ "$X" -ge "$2" ] && [ "$X" -le $(($2 + 20)) ] && [ "$Y" -ge "$3" ] && [ "$Y" -le $(($3 + 60)) ]
}
# Moves the window as a user drags it and waits until it stands there,
# asking again while it does not. (windowmove --sync returns on the first
# move it sees, which may be the window manager still placing the newly
# shown window; that placement may also undo a move made too early.)
moved_there() {
  placed_at "$@" || {
    xdotool windowmove "$1" "$2" "$3"
    return 1
  }
}
move() { wait_for 20 moved_there "$@"; }
# A click at a point of the window's client area, in pixels (15 twips each).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

failures=0
same_place() {
  local now
  now=$(geometry "$2")
  if [ "$now" != "$3" ]; then
    echo "FAIL: the $1 window came back at" $now "instead of" $3 >&2
    failures=$((failures + 1))
  fi
}

start=$(window_after Form1)
move "$start" 90 70
start_place=$(geometry "$start")

click "$start" 100 508 # "Sudoku starten"
main=$(window_after Form1 "$start")
move "$main" 310 220
main_place=$(geometry "$main")

click "$main" 420 544 # "Drucken"
print=$(window_after Drucken)
move "$print" 420 150
print_place=$(geometry "$print")

click "$print" 548 508 # "Zurück "
window_after Form1 "$start" >/dev/null
same_place main "$main" "$main_place"

click "$main" 420 544 # "Drucken"
window_after Drucken >/dev/null
same_place print "$print" "$print_place"

click "$print" 548 508 # "Zurück "
window_after Form1 "$start" >/dev/null
click "$main" 420 478 # "Ansicht ändern"
window_after Form1 "$main" >/dev/null
same_place start "$start" "$start_place"

[ "$failures" -eq 0 ] && echo "every window came back where it was"
exit "$failures"
