#!/usr/bin/env bash
# Installs a build into a fresh prefix with `cmake --install` and checks it
# there (check_installation.sh). The prefix is not the one the program was
# built for, so this also shows that a moved installation finds its
# explanation text. Usage: installation.sh BUILD-DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build_dir="$1"
target=$(mktemp -d)
trap 'rm -rf "$target"' EXIT
cmake --install "$build_dir" --prefix "$target/moved" >/dev/null
# Only what the user needs: no test or build tools.
except=$(cd "$target/moved" && find . -type f | sort | grep -v -x -e ./bin/sudoku \
  -e ./share/sudoku/sudoku_erkl.txt -e ./share/applications/sudoku-assistent.desktop \
  -e ./share/icons/hicolor/16x16/apps/sudoku-assistent.png \
  -e ./share/icons/hicolor/scalable/apps/sudoku-assistent.svg || true)
if [ -n "$except" ]; then
  echo "ERROR: installed unexpectedly: $except" >&2
  exit 1
fi
"$here/check_installation.sh" "$target/moved" --moved
