#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes a picture of the window's start screen under a private X server.
#   tools/screenshot.sh path/to/lexiwren out.png
# The program runs in examples/, so the file list shows the example files.
set -euo pipefail
binary=$(realpath "$1")
out=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$root/examples" && QT_QPA_PLATFORM=xcb exec "$binary") &
app=$!
window=""
for _ in $(seq 100); do
    # By its window class, which is ASCII: in the POSIX locale xwininfo
    # cannot print the Japanese title.
    window=$(xwininfo -root -tree | awk '/\("lexiwren" "Lexiwren"\)/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1 # let the first frames settle
import -window "$window" "$out"
echo "wrote $out"
