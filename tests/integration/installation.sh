#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a fresh prefix with `cmake --install` and checks it
# there (installation_pruefen.sh). The prefix is not the one the program was
# built for, so this also shows that a moved installation finds its
# explanation text. Usage: installation.sh BUILD-DIR
set -euo pipefail
hier="$(cd "$(dirname "$0")" && pwd)"
bau="$1"
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$bau" --prefix "$ziel/verschoben" >/dev/null
# Only what the user needs: no test or build tools.
ausser=$(cd "$ziel/verschoben" && find . -type f | sort | grep -v -x -e ./games/sudoku-assistent \
  -e ./share/sudoku/sudoku_erkl.txt -e './share/applications/[a-z._]*\.desktop' \
  -e './share/metainfo/[a-z._]*\.metainfo\.xml' -e './share/icons/hicolor/16x16/apps/[a-z._]*\.png' \
  -e './share/icons/hicolor/scalable/apps/[a-z._]*\.svg' -e ./share/man/man6/sudoku-assistent.6.gz \
  -e ./share/man/de/man6/sudoku-assistent.6.gz -e ./share/doc/sudoku-assistent/changelog.gz \
  -e ./share/doc/sudoku-assistent/copyright -e ./share/lintian/overrides/sudoku-assistent || true)
if [ -n "$ausser" ]; then
  echo "FEHLER: unerwartet installiert: $ausser" >&2
  exit 1
fi
"$hier/installation_pruefen.sh" "$ziel/verschoben" --verschoben
