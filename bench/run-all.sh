#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every benchmark and prints each figure next to its target, then all the
# figures together. A copy of everything printed goes to BUILD_DIR/bench-results.txt.
#   bench/run-all.sh BUILD_DIR
# Benchmarks measure and report; a missed target does not fail the run, a
# benchmark that cannot run does.
set -euo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
log=$build/bench-results.txt
: >"$log"

# Qt wants a private runtime folder; without one it warns on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/lexiwren-runtime.XXXXXX)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

say() { echo "$@" | tee -a "$log"; }
section() {
    say
    say "== $1"
    shift
    "$@" 2>&1 | tee -a "$log"
}

started=$(date +%s)
say "Lexiwren benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
say "machine: $(nproc) processors, $(lscpu | sed -n 's/^Model name: *//p'), $(free -m | awk '/^Mem:/ {print $2}') MiB memory"
say "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown), $(uname -sr)"
say "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

section "Drill timing, processor cost and a long wait (offscreen)" \
    env QT_QPA_PLATFORM=offscreen "$build/bench/drill_timing" 3
section "Card step latency (offscreen)" env QT_QPA_PLATFORM=offscreen "$build/bench/step_latency" 3
section "Marking cards for review during a drill (offscreen)" \
    env QT_QPA_PLATFORM=offscreen "$build/bench/review_marks" 3
# A real X server when there is one: making a message box's window is most of what it costs.
if command -v xvfb-run >/dev/null; then
    section "Failed load during a drill (xcb, Xvfb)" \
        xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb "$build/bench/load_during_drill" 3
else
    section "Failed load during a drill (offscreen)" env QT_QPA_PLATFORM=offscreen "$build/bench/load_during_drill" 3
fi
section "Start-up" "$here/startup.sh" "$build" 10
section "Loading" "$build/bench/load_bench" 5
section "Cards a random drill leaves in place" "$build/bench/shuffle_fixed_points" 100000
section "Speech, and start-up with it off and on" "$here/speech.sh" "$build" 10
section "Leaving mid-word, and the bell's end" "$here/speech_exit.sh" "$build" 5
# The readings against the dictionaries Debian installs (festlex-cmu, edict).
if [ -r /usr/share/festival/dicts/cmu/cmudict-0.4.out ] && [ -r /usr/share/edict/edict ]; then
    section "Loanword readings against EDICT" "$build/bench/loanword_accuracy"
    section "Question-file maker against our reference list" "$build/bench/maker_accuracy"
    section "Question-file maker window: loading, drafting, memory (offscreen)" \
        env QT_QPA_PLATFORM=offscreen "$build/bench/maker_speed"
else
    say
    say "== Loanword readings and the question-file maker: skipped, festlex-cmu and edict are not installed"
fi

# Every benchmark names its closing figures "drill:", "wait:", "step:", "review:", "start-up:", "load:", "shuffle:",
# "speech:", "bell:", "loanword:" or "maker:".
summary=$(grep -E '^(drill|wait|step|review|start-up|load|shuffle|speech|bell|loanword|maker): ' "$log")
say
say "== All figures"
say "$(printf '%-44s %12s   %-22s %s' figure value target verdict)"
say "$summary"
say
say "load average at end: $(cut -d' ' -f1-3 /proc/loadavg); took $(($(date +%s) - started)) s"
