// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The question-file maker's window with the real dictionaries: how long the
// dictionaries take to load and 1,000 words to draft (both on worker
// threads), how long the window thread is ever held meanwhile, and the
// resident memory before the window opens, with it open and loaded, and
// after it is closed. The 1,000 words are taken at run time from the CMU
// pronouncing dictionary that the drafter reads.
#include "common/Bench.h"
#include "maker/Drafter.h"
#include "maker/window/MakerWindow.h"
#include "ui/Program.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace lexiwren;
using namespace lexiwren::bench;

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0.0;
}

// Every so many entries of the dictionary, plain lower-case words only.
QStringList wordsFromDictionary(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression entry(QStringLiteral("^\\(\"([a-z]+)\" "));
    QStringList all;
    while (!file.atEnd()) {
        const QRegularExpressionMatch match = entry.match(QString::fromLatin1(file.readLine()));
        if (match.hasMatch() && (all.isEmpty() || all.back() != match.captured(1)))
            all << match.captured(1);
    }
    QStringList picked;
    const qsizetype step = qMax<qsizetype>(1, all.size() / count);
    for (qsizetype at = step / 2; at < all.size() && picked.size() < count; at += step)
        picked << all[at];
    return picked;
}

// The longest the window thread went without running a 5 ms timer.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = qMax(m_longest, m_since.nsecsElapsed() / 1e6);
            m_since.restart();
        });
    }
    void start()
    {
        m_longest = 0.0;
        m_since.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_longest = 0.0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const maker::DictionaryPaths paths = maker::DictionaryPaths::debian();
    const QStringList words = wordsFromDictionary(paths.cmu, 1000);
    if (words.size() < 1000) {
        std::fprintf(stderr, "maker_speed: cannot take 1,000 words from %s\n", qPrintable(paths.cmu));
        return 1;
    }
    // The program as it runs, its main window up, in a folder of its own
    // for the saved files; the media controls stay off the session bus.
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    setUpApplication();
    Program program;
    program.window().show();
    for (int round = 0; round < 20; ++round)
        app.processEvents();
    const double before = residentMiB();

    StallMeter stalls;
    const Stopwatch load;
    const Stopwatch opening;
    QPointer<maker::MakerWindow> window = program.openQuestionFileMaker();
    QSignalSpy loaded(window.data(), &maker::MakerWindow::dictionariesReady);
    // The window's own first frame, on the window thread, apart from the load.
    app.processEvents();
    const double openingMs = opening.wallSeconds() * 1000.0;
    stalls.start();
    if (!loaded.wait(60000)) {
        std::fprintf(stderr, "maker_speed: the dictionaries did not load: %s\n",
                     qPrintable(window->findChild<QWidget *>(QStringLiteral("Problem"))->property("text").toString()));
        return 1;
    }
    const double loadSeconds = load.wallSeconds();
    const double loadStall = stalls.stop();
    const double loadedMiB = residentMiB();

    window->wordBox()->setPlainText(words.join(u'\n'));
    QSignalSpy drafted(window.data(), &maker::MakerWindow::draftsReady);
    stalls.start();
    const Stopwatch draft;
    window->draftButton()->click();
    if (!drafted.wait(60000)) {
        std::fprintf(stderr, "maker_speed: drafting did not finish\n");
        return 1;
    }
    const double draftSeconds = draft.wallSeconds();
    const double draftStall = stalls.stop();
    const double draftedMiB = residentMiB();

    window->close();
    while (window)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.processEvents();
    const double after = residentMiB();

    // The drafter alone, without the window, for comparison.
    QString error;
    const Stopwatch alone;
    const bool read = maker::Drafter::load(
                          paths, [](int) {}, &error)
                      != nullptr;
    const double aloneSeconds = alone.wallSeconds();

    printTargetHeader();
    printFigure("maker: window, dictionaries loaded (window shown to ready)", withUnit(loadSeconds, "s"), "<= 1.5 s",
                loadSeconds <= 1.5);
    printFigure("maker: window, Drafter::load alone, for comparison", read ? withUnit(aloneSeconds, "s") : error);
    printFigure("maker: window, 1,000 words drafted (click to table filled)", withUnit(draftSeconds, "s"), "<= 2 s",
                draftSeconds <= 2.0);
    printFigure("maker: window, window shown, its first frame (window thread)", withUnit(openingMs, "ms", 1));
    printFigure("maker: window, longest window-thread stall while loading", withUnit(loadStall, "ms", 1));
    printFigure("maker: window, longest window-thread stall while drafting", withUnit(draftStall, "ms", 1));
    printFigure("maker: window, resident before the window", withUnit(before, "MiB", 1));
    printFigure("maker: window, resident with the window loaded, more than before",
                withUnit(loadedMiB - before, "MiB", 1), "<= 150 MiB", loadedMiB - before <= 150.0);
    printFigure("maker: window, resident after 1,000 drafts, more than before",
                withUnit(draftedMiB - before, "MiB", 1));
    printFigure("maker: window, resident after closing, more than before", withUnit(after - before, "MiB", 1));
    return 0;
}
