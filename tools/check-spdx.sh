#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Lists every tracked source, test, benchmark, CMake and script file that
# lacks its licence line, and fails if there is one.
cd "$(dirname "$0")/.." || exit 2
missing=$(git ls-files -- '*.cpp' '*.h' '*.sh' '*.cmake' '*.in' 'CMakeLists.txt' '*/CMakeLists.txt' \
              'Makefile' '.ci/run' |
          while read -r file; do
              head -n 5 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
          done)
if [ -n "$missing" ]; then
    echo "Without an SPDX-License-Identifier line:"
    echo "$missing"
    exit 1
fi
