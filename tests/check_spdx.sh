#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails for every source file of the tree that does not name its licence in
# an SPDX line at its head (first line, or second after a #! line): C++
# sources and headers, shell, CMake and Python files, and scripts without an
# extension. Usage: check_spdx.sh SOURCE_DIR
set -euo pipefail
cd "$1"
line='SPDX-License-Identifier: GPL-3.0-or-later'

# The files of the tree: what git knows and would add, or without git every
# file outside the build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files --cached --others --exclude-standard)
else
  files=$(find . -path ./.git -prune -o -path './build*' -prune -o -type f -print | sed 's|^\./||')
fi

missing=0
while IFS= read -r f; do
  [ -f "$f" ] || continue # deleted, not yet committed
  case "$f" in
    *.cpp | *.h | *.sh | *.py | *.cmake | CMakeLists.txt | */CMakeLists.txt) ;;
    *) head -c 2 "$f" | grep -q '^#!' || continue ;;
  esac
  if ! head -n 2 "$f" | grep -Eq "^(//|#) $line\$"; then
    echo "no SPDX line at the head of $f" >&2
    missing=$((missing + 1))
  fi
done <<<"$files"
if [ $missing -ne 0 ]; then
  echo "$missing source files without an SPDX line" >&2
  exit 1
fi
echo "every source file names its licence"
