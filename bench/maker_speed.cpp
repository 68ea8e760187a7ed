// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The question-file maker's window with the real dictionaries: how long the
// dictionaries take to load and 1,000 words to draft (both on worker
// threads), how long the window thread is ever held meanwhile, and the
// resident memory before the window opens, with it open and loaded, and
// after it is closed. The window is opened, used and closed twice: what the
// first closing leaves should not grow at the second. What stays is split
// into anonymous memory (of which malloc still holds so much in use) and
// pages of mapped files, the largest by file. The 1,000 words are taken at
// run time from the CMU pronouncing dictionary that the drafter reads.
#include "common/Bench.h"
#include "maker/Drafter.h"
#include "maker/window/MakerWindow.h"
#include "ui/Program.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace lexiwren;
using namespace lexiwren::bench;

namespace {

// The process's resident pages from /proc/self/smaps, in MiB: anonymous
// (heaps, thread stacks) and file pages by file (code, fonts, data files).
struct Resident
{
    double anonymous = 0.0;
    QMap<QByteArray, double> files;
    double mallocInUse = 0.0; // what malloc has handed out and not had back

    static Resident now()
    {
        Resident resident;
        QFile smaps(QStringLiteral("/proc/self/smaps"));
        if (!smaps.open(QIODevice::ReadOnly))
            return resident;
        QByteArray mapping;
        for (const QByteArray &line : smaps.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 5 && fields[0].contains('-') && !fields[0].endsWith(':'))
                mapping = fields.size() >= 6 ? fields[5] : QByteArray();
            else if (fields.size() >= 2 && fields[0] == "Rss:") {
                const double mib = fields[1].toDouble() / 1024.0;
                if (mapping.isEmpty() || mapping.startsWith('['))
                    resident.anonymous += mib;
                else
                    resident.files[mapping.mid(mapping.lastIndexOf('/') + 1)] += mib;
            }
        }
#ifdef __GLIBC__
        const struct mallinfo2 info = mallinfo2();
        resident.mallocInUse = static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
#endif
        return resident;
    }

    double fileTotal() const
    {
        double total = 0.0;
        for (const double mib : files)
            total += mib;
        return total;
    }
    double total() const
    {
        return anonymous + fileTotal();
    }
};

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

struct Round
{
    double openingMs = 0.0;
    double loadSeconds = 0.0;
    double loadStall = 0.0;
    double draftSeconds = 0.0;
    double draftStall = 0.0;
    Resident loaded;
    Resident drafted;
    Resident closed;
};

// Opens the maker from the program, drafts the words, and closes it, the
// drafts thrown away at its question.
std::optional<Round> openDraftClose(QApplication &app, Program &program, const QStringList &words)
{
    Round round;
    StallMeter stalls;
    const Stopwatch load;
    const Stopwatch opening;
    QPointer<maker::MakerWindow> window = program.openQuestionFileMaker();
    QSignalSpy loaded(window.data(), &maker::MakerWindow::dictionariesReady);
    // The window's own first frame, on the window thread, apart from the load.
    app.processEvents();
    round.openingMs = opening.wallSeconds() * 1000.0;
    stalls.start();
    if (!loaded.wait(60000)) {
        std::fprintf(stderr, "maker_speed: the dictionaries did not load: %s\n",
                     qPrintable(window->problemLabel()->text()));
        return std::nullopt;
    }
    round.loadSeconds = load.wallSeconds();
    round.loadStall = stalls.stop();
    round.loaded = Resident::now();

    window->wordBox()->setPlainText(words.join(u'\n'));
    QSignalSpy drafted(window.data(), &maker::MakerWindow::draftsReady);
    stalls.start();
    const Stopwatch draft;
    window->draftButton()->click();
    if (!drafted.wait(60000)) {
        std::fprintf(stderr, "maker_speed: drafting did not finish\n");
        return std::nullopt;
    }
    round.draftSeconds = draft.wallSeconds();
    round.draftStall = stalls.stop();
    round.drafted = Resident::now();

    // Asked whether to keep the drafts: thrown away.
    window->close();
    if (auto *question = window->findChild<QMessageBox *>(QStringLiteral("CloseQuestion")))
        question->button(QMessageBox::Discard)->click();
    while (window)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.processEvents();
    round.closed = Resident::now();
    return round;
}

void printMore(const std::string &figure, double mib, const char *target = "", bool met = true)
{
    printFigure(figure, withUnit(mib, "MiB", 1), target, met);
}

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
    const Resident before = Resident::now();

    const std::optional<Round> first = openDraftClose(app, program, words);
    const std::optional<Round> second = first ? openDraftClose(app, program, words) : std::nullopt;
    if (!second)
        return 1;

    // The drafter alone, without the window, for comparison.
    QString error;
    const Stopwatch alone;
    const bool read = maker::Drafter::load(
                          paths, [](int) {}, &error)
                      != nullptr;
    const double aloneSeconds = alone.wallSeconds();

    printTargetHeader();
    printFigure("maker: window, dictionaries loaded (window shown to ready)", withUnit(first->loadSeconds, "s"),
                "<= 1.5 s", first->loadSeconds <= 1.5);
    printFigure("maker: window, Drafter::load alone, for comparison", read ? withUnit(aloneSeconds, "s") : error);
    printFigure("maker: window, 1,000 words drafted (click to table filled)", withUnit(first->draftSeconds, "s"),
                "<= 2 s", first->draftSeconds <= 2.0);
    printFigure("maker: window, window shown, its first frame (window thread)", withUnit(first->openingMs, "ms", 1));
    printFigure("maker: window, the same at the second opening", withUnit(second->openingMs, "ms", 1));
    printFigure("maker: window, longest window-thread stall while loading", withUnit(first->loadStall, "ms", 1));
    printFigure("maker: window, longest window-thread stall while drafting", withUnit(first->draftStall, "ms", 1));
    printMore("maker: window, resident before the window", before.total());
    for (const auto &[name, round] : {std::pair{"first", *first}, std::pair{"second", *second}}) {
        const std::string at = std::string("maker: window, ") + name + " opening, ";
        printMore(at + "resident loaded, more than before", round.loaded.total() - before.total(), "<= 150 MiB",
                  round.loaded.total() - before.total() <= 150.0);
        printMore(at + "after 1,000 drafts, more than before", round.drafted.total() - before.total());
        printMore(at + "after closing, more than before", round.closed.total() - before.total());
        printMore(at + "after closing, anonymous", round.closed.anonymous - before.anonymous);
        printMore(at + "after closing, malloc in use", round.closed.mallocInUse - before.mallocInUse);
        printMore(at + "after closing, file pages", round.closed.fileTotal() - before.fileTotal());
    }
    printMore("maker: window, second closing against the first", second->closed.total() - first->closed.total(),
              "<= 0.5 MiB", second->closed.total() - first->closed.total() <= 0.5);

    // The files whose pages stayed, largest first.
    QList<std::pair<double, QByteArray>> grown;
    for (auto file = second->closed.files.cbegin(); file != second->closed.files.cend(); ++file)
        if (const double more = file.value() - before.files.value(file.key()); more >= 0.05)
            grown.append({more, file.key()});
    std::sort(grown.begin(), grown.end(), std::greater<>());
    for (const auto &[more, name] : grown.mid(0, 8))
        printMore("maker: window, file pages that stayed: " + name.toStdString(), more);
    return 0;
}
