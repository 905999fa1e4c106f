#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every dialog belongs to the window of the screen it was opened on. The
# program runs on Wayland under a private headless weston; Wayland's own
# protocol log (WAYLAND_DEBUG) shows what the compositor was told: each
# dialog's window must name the visible screen's window as its parent
# (xdg_toplevel.set_parent), which is how a compositor knows to keep it
# over that window.
# Usage: tests/integration/dialog_parent.sh DRIVER
# DRIVER is build/tests/integration/dialog_parent_test. Needs weston and
# Qt's Wayland platform (qt6-wayland). Exit status 0 when every dialog had
# its screen's window as parent, 77 (skipped) without weston.
set -euo pipefail

driver=$(realpath "$1")
if ! command -v weston >/dev/null; then
  echo "weston is not installed: skipped" >&2
  exit 77
fi
work=$(mktemp -d)
weston_pid=""
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 \
  --socket=wayland-sudoku --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
weston_pid=$!
end=$((SECONDS + 30))
until [ -S "$XDG_RUNTIME_DIR/wayland-sudoku" ]; do
  if [ "$SECONDS" -ge "$end" ] || ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "ERROR: weston did not start" >&2
    cat "$work/weston.log" >&2
    exit 1
  fi
  sleep 0.1
done

mkdir "$work/folder"
cd "$work/folder"
status=0
# Shared-memory buffers only: the widgets draw into them anyway, and the EGL
# libraries Qt would load for hardware buffers leak at exit where the
# sanitizer build cannot name them.
WAYLAND_DISPLAY=wayland-sudoku QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$driver" >"$work/expected" 2>"$work/protocol" || status=$?
if [ "$status" -ne 0 ]; then
  echo "ERROR: the driver failed with status $status" >&2
  grep -v '^\[' "$work/protocol" >&2 || true
  exit 1
fi

# Each toplevel window the program gave up, in order: its title and its
# parent's title ("none" without a parent). Object ids are reused once
# destroyed, so titles and parents are followed as the log goes.
awk '
  function id(s) { match(s, /xdg_toplevel@[0-9]+/); return substr(s, RSTART + 13, RLENGTH - 13) }
  / -> xdg_toplevel@[0-9]+\.set_title\(/ {
    t = $0; sub(/^[^"]*"/, "", t); sub(/"\)$/, "", t); title[id($0)] = t
  }
  / -> xdg_toplevel@[0-9]+\.set_parent\(/ {
    p = $0; sub(/^.*set_parent\(/, "", p)
    parent[id($0)] = (p ~ /^xdg_toplevel@/) ? id(p) : ""
  }
  / -> xdg_toplevel@[0-9]+\.destroy\(\)/ {
    i = id($0); p = parent[i]
    print title[i] " over " ((p != "" && (p in title)) ? title[p] : "none")
    delete title[i]; delete parent[i]
  }
' "$work/protocol" >"$work/toplevels"

# The dialogs among them, by the titles the driver names, against what the
# driver expects.
awk -F' over ' 'NR == FNR { dialog[$1] = 1; next } ($1 in dialog)' \
  "$work/expected" "$work/toplevels" >"$work/dialogs"
if ! diff -u "$work/expected" "$work/dialogs"; then
  echo "ERROR: a dialog did not name its screen's window as its parent" >&2
  exit 1
fi
echo "every dialog belonged to its screen's window:"
cat "$work/dialogs"
