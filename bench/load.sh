#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Loading a 99-card file against a 1 GiB file whose first 99 lines are the
# same cards: each loaded in processes of its own, alternately, so that each
# process's peak memory belongs to one file.
#   bench/load.sh BUILD_DIR [PROCESSES]
# The files are written to a fresh folder under /tmp and removed at the end.
set -euo pipefail
build=$(realpath "$1")
processes=${2:-5}
folder=$(mktemp -d /tmp/lexiwren-load.XXXXXX)
trap 'rm -rf "$folder"' EXIT

"$build/bench/make_deck" "$folder/cards-99.txt" 99
"$build/bench/make_deck" "$folder/cards-1gib.txt" 99 $((1 << 30))

echo "Loading: median of 21 loads per process (readQuestionFile), peak memory of the process;"
echo "$processes processes per file, alternating"
echo
printf '%-4s %-12s %12s %12s %10s\n' run file "bytes" "median ms" "peak MiB"
for run in $(seq "$processes"); do
    for name in cards-99 cards-1gib; do
        file=$folder/$name.txt
        out=$("$build/bench/load_bench" "$file")
        grep -q '^result: 99 cards' <<<"$out" || { echo "$name: $out" >&2; exit 1; }
        ms=$(awk '/^median:/ {print $2}' <<<"$out")
        kib=$(awk '/^peak RSS:/ {print $3}' <<<"$out")
        printf '%-4s %-12s %12d %12.3f %10.2f\n' "$run" "$name" "$(stat -c %s "$file")" "$ms" \
            "$(awk -v k="$kib" 'BEGIN {print k / 1024}')"
        echo "$name $ms $kib" >>"$folder/figures"
    done
done

# Medians per file, then the comparison.
median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
small_ms=$(awk '$1 == "cards-99" {print $2}' "$folder/figures" | median)
big_ms=$(awk '$1 == "cards-1gib" {print $2}' "$folder/figures" | median)
small_kib=$(awk '$1 == "cards-99" {print $3}' "$folder/figures" | median)
big_kib=$(awk '$1 == "cards-1gib" {print $3}' "$folder/figures" | median)

echo
echo "medians"
printf '%-30s %12.3f %10.2f\n' cards-99 "$small_ms" "$(awk -v k="$small_kib" 'BEGIN {print k / 1024}')"
printf '%-30s %12.3f %10.2f\n' cards-1gib "$big_ms" "$(awk -v k="$big_kib" 'BEGIN {print k / 1024}')"

row() { printf '%-44s %12s   %-22s %s\n' "$@"; }
echo
row figure value target verdict
awk -v s="$small_ms" -v b="$big_ms" -v sk="$small_kib" -v bk="$big_kib" '
    function row(f, v, t, ok) { printf "%-44s %12s   %-22s %s\n", f, v, t, t == "" ? "" : ok ? "met" : "MISSED" }
    BEGIN {
        row("load: 99-card file", sprintf("%.3f ms", s), "", 1)
        row("load: 1 GiB file", sprintf("%.3f ms", b), "", 1)
        row("load: 1 GiB file / 99-card file", sprintf("%.2f x", b / s), "", 1)
        row("load: 1 GiB file minus 99-card file", sprintf("%.3f ms", b - s), "< 1 ms (as fast)", b - s < 1)
        row("load: peak memory, 1 GiB minus 99-card", sprintf("%.2f MiB", (bk - sk) / 1024), "<= 4 MiB", (bk - sk) / 1024 <= 4)
    }'
