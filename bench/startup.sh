#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the program against a bare window, offscreen and, when Xvfb is
# installed, on a private X server. Both start in examples/, so the file list
# reads what `make run` shows.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
bin=$(realpath "$1")/bench
runner=("$bin/startup_runner" "${2:-10}" "$bin/startup_probe" "$bin/bare_window")
cd "$(dirname "$0")/../examples"
QT_QPA_PLATFORM=offscreen "${runner[@]}"

if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: no start-up figures on xcb"
    exit 0
fi
display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
echo
DISPLAY=$display QT_QPA_PLATFORM=xcb "${runner[@]}"
