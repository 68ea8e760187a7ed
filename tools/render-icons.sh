#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the PNG icons from data/icons/org.lexiwren.Lexiwren.svg after it
# changes; the PNGs are committed so that a build needs no SVG renderer.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -eu
icons=$(cd "$(dirname "$0")/../data/icons" && pwd)
for size in 48 64 128 256; do
    mkdir -p "$icons/${size}x$size"
    rsvg-convert -w "$size" -h "$size" "$icons/org.lexiwren.Lexiwren.svg" -o "$icons/${size}x$size/org.lexiwren.Lexiwren.png"
done
