// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the program's end waits for the speech service when the window
// closes while a word is being said. Each round makes the real speaker, says
// a sentence, lets the service start it, and times the speaker's destructor.
// bench/speech_exit.sh runs it against a private speech-dispatcher with its
// real voice, with and without a sound server.
//   speech_exit [ROUNDS] [-v]
#include "common/Bench.h"
#include "platform/SpeechDispatcherSpeaker.h"

#include <QCoreApplication>
#include <QTest>

#include <cstdio>
#include <cstring>

using namespace lexiwren;
using namespace lexiwren::bench;
using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    int rounds = 5;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    std::vector<double> leaving;
    for (int round = 0; round < rounds; ++round) {
        auto speaker = std::make_unique<SpeechDispatcherSpeaker>();
        speaker->say(u"The quick brown fox jumps over the lazy dog, again and again and again."_s);
        QTest::qWait(1500); // the service has started the word by then
        const bool speaking = speaker->isSpeaking();
        const nanoseconds start = now();
        speaker.reset();
        leaving.push_back(ms(now() - start));
        if (verbose)
            std::printf("round %d: still speaking %s, destructor %.1f ms\n", round + 1, speaking ? "yes" : "no",
                        leaving.back());
    }
    printTargetHeader();
    printFigure("speech: leaving mid-word (median)", withUnit(median(leaving), "ms"), "<= 200 ms",
                median(leaving) <= 200.0);
    printFigure("speech: leaving mid-word (worst)", withUnit(maximum(leaving), "ms"), "<= 500 ms",
                maximum(leaving) <= 500.0);
    return 0;
}
