// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon a shown English word reaches the speech service, and how soon the
// card's time starts once the service has finished it. The real window and
// the real speaker run an English-first drill with answers at speed 0.3
// against a speech-dispatcher whose output module only writes down when it
// starts and ends each text, in the file LEXIWREN_SPEECH_RECORD names
// (bench/speech.sh sets it up). Both sides stamp CLOCK_REALTIME.
//   - word to service: the module's start stamp minus the word label's first
//     paint with the word;
//   - end to card's time: the meaning label's first paint with the meaning,
//     less the 450 ms answer-free prompt time, minus the module's end stamp.
//   speech_timing [CARDS] [-v]
#include "common/DrillRig.h"
#include "platform/SpeechDispatcherSpeaker.h"
#include "ui/CardLabel.h"
#include "ui/Extras.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QSettings>

#include <algorithm>
#include <cstdio>

using namespace lexiwren;
using namespace lexiwren::bench;
using namespace Qt::StringLiterals;

namespace {

constexpr double PromptMs = 450.0; // 1500 ms at speed 0.3

double realtimeMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// The moment each new text of a label is first painted.
class PaintTimes : public QObject
{
public:
    explicit PaintTimes(QLabel *label) { label->installEventFilter(this); }
    struct Shown
    {
        QString text;
        double atMs;
    };
    std::vector<Shown> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *label = static_cast<QLabel *>(watched);
        if (event->type() == QEvent::Paint && (shown.empty() || shown.back().text != label->text()))
            shown.push_back({label->text(), realtimeMs()});
        return false;
    }
};

struct Record
{
    double startMs = 0.0, endMs = 0.0;
    QString language;
};

// Lines "NS LANGUAGE TEXT" when a text starts and "NS end" when it ends.
std::vector<Record> readRecord(const QString &path)
{
    std::vector<Record> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    while (!file.atEnd()) {
        const QStringList parts = QString::fromUtf8(file.readLine()).trimmed().split(u' ');
        if (parts.size() < 2)
            continue;
        const double at = parts[0].toDouble() / 1e6;
        if (parts[1] == u"end"_s && !records.empty())
            records.back().endMs = at;
        else
            records.push_back({at, 0.0, parts[1]});
    }
    return records;
}

} // namespace

int main(int argc, char *argv[])
{
    return windowBenchmark(argc, argv, 10, [](Arguments given) {
        const QString recordPath = qEnvironmentVariable("LEXIWREN_SPEECH_RECORD");
        if (recordPath.isEmpty()) {
            std::fprintf(stderr, "run it through bench/speech.sh, which starts the recording speech service\n");
            return 2;
        }
        QTemporaryDir settings;
        // The speech switch below is the benchmark's, not the learner's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        const QStringList cards = sampleCardLines(given.count);
        SpeechDispatcherSpeaker speaker; // outlives the window
        DrillRig rig(given.count);
        if (!rig.ready())
            return 1;
        TimedForm &form = rig.form();
        form.setSpeaker(&speaker);
        form.extras().speechAction()->setChecked(true);
        rig.setDrillOptions(u"0.3"_s);
        PaintTimes words(form.Label2);
        PaintTimes meanings(form.Label7);

        rig.runDrill();
        DrillRig::settle(std::chrono::milliseconds(300));

        const std::vector<Record> records = readRecord(recordPath);
        std::vector<double> toService, toCardTime;
        bool allAmerican = true;
        for (int card = 0; card < given.count; ++card) {
            const QStringList fields = cards[card].split(u' ');
            const auto word = std::find_if(words.shown.begin(), words.shown.end(),
                                           [&](const PaintTimes::Shown &s) { return s.text == fields[0]; });
            const auto meaning = std::find_if(meanings.shown.begin(), meanings.shown.end(),
                                              [&](const PaintTimes::Shown &s) { return s.text == fields[3]; });
            if (card >= int(records.size()) || word == words.shown.end() || meaning == meanings.shown.end()) {
                std::fprintf(stderr, "card %d: no record of its word or no paint of it\n", card + 1);
                return 1;
            }
            const Record &said = records[card];
            toService.push_back(said.startMs - word->atMs);
            toCardTime.push_back(meaning->atMs - PromptMs - said.endMs);
            allAmerican = allAmerican && said.language == u"en-us"_s;
            if (given.verbose)
                std::printf("%-16s said %+7.1f ms after shown; card's time %+7.1f ms after its end (%s)\n",
                            qPrintable(fields[0]), toService.back(), toCardTime.back(), qPrintable(said.language));
        }

        printTargetHeader();
        printFigure("speech: word shown to service (median)", withUnit(median(toService), "ms"), "<= 20 ms",
                    median(toService) <= 20.0);
        printFigure("speech: word shown to service (worst)", withUnit(maximum(toService), "ms"), "<= 50 ms",
                    maximum(toService) <= 50.0);
        printFigure("speech: end to card's time (median)", withUnit(median(toCardTime), "ms"), "<= 20 ms",
                    median(toCardTime) <= 20.0);
        printFigure("speech: end to card's time (worst)", withUnit(maximum(toCardTime), "ms"), "<= 50 ms",
                    maximum(toCardTime) <= 50.0);
        printFigure("speech: voice chosen by language", allAmerican ? u"en-US"_s : u"other"_s, "en-US", allAmerican);
        return 0;
    });
}
