#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Speech timing against a private speech-dispatcher whose output module only
# writes down when it starts and ends each text (and takes 300 ms, as a short
# word would), so it needs no sound device; then start-up with the speech
# switch off and on.
#   bench/speech.sh BUILD_DIR [CARDS]
set -euo pipefail
build=$(realpath "$1")
cards=${2:-10}
if ! command -v speech-dispatcher >/dev/null; then
    echo "speech-dispatcher is not installed: no speech figures"
    exit 0
fi
work=$(mktemp -d)
trap 'kill "$(cat "$work/pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/conf/modules" "$work/log"
cat >"$work/conf/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "recorder" "sd_generic" "recorder.conf"
DefaultModule recorder
LogDir "$work/log"
CONF
# The stamps are CLOCK_REALTIME nanoseconds, as speech_timing reads them.
cat >"$work/conf/modules/recorder.conf" <<CONF
GenericExecuteSynth "printf '%s %s %s\\\\n' \\"\$(date +%s%N)\\" \\"\$LANGUAGE\\" \\"\$DATA\\" >> $work/spoken.txt; sleep 0.3; printf '%s end\\\\n' \\"\$(date +%s%N)\\" >> $work/spoken.txt"
AddVoice "en-US" "MALE1" "en-us"
AddVoice "en-GB" "MALE1" "en-gb"
GenericLanguage "en-US" "en-us" "utf-8"
GenericLanguage "en-GB" "en-gb" "utf-8"
CONF
# A desktop session's limit on open files: the module closes every possible
# descriptor before it runs its command, which takes tens of milliseconds
# under this sandbox's limit of 20,000.
(ulimit -n 1024 && exec speech-dispatcher -s -t 0 -C "$work/conf" -S "$work/speechd.sock" -P "$work/pid" \
    -L "$work/log") >/dev/null 2>&1 &
for _ in $(seq 50); do
    [ -S "$work/speechd.sock" ] && break
    sleep 0.1
done
export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"
LEXIWREN_SPEECH_RECORD="$work/spoken.txt" QT_QPA_PLATFORM=offscreen "$build/bench/speech_timing" "$cards" ${VERBOSE:+-v}

# Start-up reads the switch but reaches no speech service either way.
for switch in off on; do
    mkdir -p "$work/config-$switch/Lexiwren"
    printf '[extras]\nspeech=%s\n' "$([ $switch = on ] && echo true || echo false)" \
        >"$work/config-$switch/Lexiwren/Lexiwren.conf"
    echo
    echo "Start-up with speech $switch"
    (cd "$(dirname "$0")/../examples" && XDG_CONFIG_HOME="$work/config-$switch" QT_QPA_PLATFORM=offscreen \
        "$build/bench/startup_runner" 10 "$build/bench/startup_probe" "$build/bench/bare_window" |
        sed "s/^start-up: offscreen/start-up: speech $switch, offscreen/")
done
