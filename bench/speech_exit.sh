#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's end while a word is being said, against a private
# speech-dispatcher with its real espeak-ng voice: first with no sound server
# (the service then never ends a word and soon answers nothing at all), then
# with a private PulseAudio whose only output is a null sink, whose monitor
# shows whether the word went on after the speaker had gone. Then the bell's
# end, with that sound server.
#   bench/speech_exit.sh BUILD_DIR [ROUNDS]
set -euo pipefail
build=$(realpath "$1")
rounds=${2:-5}
for tool in speech-dispatcher /usr/lib/speech-dispatcher-modules/sd_espeak-ng; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: no figures"; exit 0; }
done
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# start_service NAME [ENV...]: a private speech-dispatcher with the espeak-ng module.
start_service() {
    local dir=$work/$1
    shift
    mkdir -p "$dir/conf/modules" "$dir/log"
    printf 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\nLogDir "%s"\n' \
        "$dir/log" >"$dir/conf/speechd.conf"
    cp /etc/speech-dispatcher/modules/espeak-ng.conf "$dir/conf/modules/"
    (ulimit -n 1024 && exec env "$@" speech-dispatcher -s -t 0 -C "$dir/conf" -S "$dir/sock" -P "$dir/pid" \
        -L "$dir/log") >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 300); do
        [ -S "$dir/sock" ] && break
        sleep 0.1
    done
    export SPEECHD_ADDRESS="unix_socket:$dir/sock"
}

echo "Leaving mid-word, no sound server"
start_service quiet PULSE_SERVER=unix:/nonexistent
"$build/bench/speech_exit" "$rounds" -v | sed 's/^speech: leaving mid-word/speech: leaving mid-word, no sound/'
pid=$(cat "$work/quiet/pid")
kill -TERM "$pid"
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    echo "speech-dispatcher is still running 2 s after SIGTERM (it hangs closing its module)"
fi

if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null; then
    echo "pulseaudio or parec is missing: no figures with a sound server"
    exit 0
fi
echo
echo "Leaving mid-word, PulseAudio with a null sink"
mkdir -m 700 "$work/pulse"
XDG_RUNTIME_DIR=$work/pulse HOME=$work/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes \
    --load=module-null-sink --load="module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
    >/dev/null 2>&1 &
pids+=($!)
export PULSE_SERVER=unix:$work/pulse/native
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
start_service loud PULSE_SERVER="$PULSE_SERVER"
# How long the null sink still played sound after the end: the time of the
# last sample above 1/64 of full scale in what its monitor gives.
last_sound() {
    python3 -c '
import sys, array
a = array.array("h")
d = sys.stdin.buffer.read()
a.frombytes(d[:len(d) // 2 * 2])
loud = [i for i, x in enumerate(a) if abs(x) > 512]
print("%.0f ms" % (1000.0 * (loud[-1] + 1) / 22050) if loud else "none")'
}
for round in $(seq "$rounds"); do
    "$build/bench/speech_exit" 1 | grep '^speech: leaving mid-word (median)' |
        sed "s/^speech: leaving mid-word (median)/speech: leaving mid-word, sound, run $round/"
    after=$( (timeout 3 parec -d null.monitor --raw --format=s16le --channels=1 --rate=22050 || true) | last_sound)
    echo "sound after the program's end, until: $after"
done

echo
echo "The bell's end, PulseAudio with a null sink"
QT_QPA_PLATFORM=offscreen "$build/bench/bell_timing" 10 ${VERBOSE:+-v}
echo
echo "The bell with no sound server"
PULSE_SERVER=unix:/nonexistent QT_QPA_PLATFORM=offscreen "$build/bench/bell_timing" 3 2>&1
