#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
except=$(cd "$target/moved" && find . -type f | sort | grep -v -x -e ./games/sudoku-assistent \
  -e ./share/sudoku/sudoku_erkl.txt -e './share/applications/[a-z._]*\.desktop' \
  -e './share/metainfo/[a-z._]*\.metainfo\.xml' -e './share/icons/hicolor/16x16/apps/[a-z._]*\.png' \
  -e './share/icons/hicolor/scalable/apps/[a-z._]*\.svg' -e ./share/man/man6/sudoku-assistent.6.gz \
  -e ./share/man/de/man6/sudoku-assistent.6.gz -e ./share/doc/sudoku-assistent/changelog.gz \
  -e ./share/doc/sudoku-assistent/copyright -e ./share/lintian/overrides/sudoku-assistent || true)
if [ -n "$except" ]; then
  echo "ERROR: installed unexpectedly: $except" >&2
  exit 1
fi
"$here/check_installation.sh" "$target/moved" --moved
