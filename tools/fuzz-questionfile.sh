#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes the question-file reader for a bounded time (default 60 seconds).
# Usage: tools/fuzz-questionfile.sh [seconds]
# The seeds are examples/*.txt; new inputs collect in build-fuzz/corpus.
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLEXIWREN_WERROR=ON -DLEXIWREN_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
    >/dev/null
ninja -C "$build" fuzz_questionfile

mkdir -p "$build/corpus"
# Long enough for a 4,097-byte line and for 99 short cards.
exec "$build/tests/deck/fuzz_questionfile" -max_total_time="$seconds" -max_len=8192 \
    "$build/corpus" "$root/examples"
