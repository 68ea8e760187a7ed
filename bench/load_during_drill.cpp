// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How late a failed load during a drill makes the drill's next card. The real
// window on the real clock runs a drill; in the second card's prompt the load
// button, enabled again as a nested drill's end leaves it, is clicked on a
// file with a line too short, either 210 ms before the prompt's wait ends
// (just enough room: the window makes its message box at once) or 2 ms before
// (too little: the window holds the message until a later step is on screen).
// The first click of the process, when no message box was ever made, is
// measured on its own, with 210 ms left. Late = the overshoot of the wait that
// held the click. For reference, the same with a box run by exec() and closed
// after 500 ms, as a learner reading the message would close it.
//   load_during_drill [ROUNDS] [-v]   (default 3; -v lists every wait)
// Run it under Xvfb or with QT_QPA_PLATFORM=offscreen.
#include "common/DrillRig.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace lexiwren::bench;
using namespace Qt::StringLiterals;
using std::chrono::milliseconds;

namespace {

constexpr int Cards = 4;
// Speed 0.5: prompts of 750 ms and answers of 500 ms. The click comes in the
// second card's prompt, the drill's third wait.
constexpr milliseconds PromptTime{750};
constexpr size_t HeldWait = 3;
constexpr milliseconds ReadingTime{500};
constexpr milliseconds Tight{210}, End{2};

struct Round
{
    double heldMs = -1;     // overshoot of the wait the click came in
    double othersMaxMs = 0; // the worst of the drill's other waits
    double clickMs = 0;     // from the click to the load handler's return
    bool boxOpen = false;   // a message box was open at the drill's end
};

// One drill with the load clicked lead before the end of its wait HeldWait.
Round runRound(DrillRig &rig, const char *variant, int number, milliseconds lead, bool everyWait)
{
    TimedForm &form = rig.form();
    nanoseconds clickedAt{}, returnedAt{};
    QTimer click;
    click.setSingleShot(true);
    click.setTimerType(Qt::PreciseTimer);
    QObject::connect(&click, &QTimer::timeout, &form, [&] {
        form.Command6->setEnabled(true);
        clickedAt = now();
        form.Command6->click();
        returnedAt = now();
    });
    form.onWaitStart = [&] {
        if (form.waits.size() + 1 == HeldWait)
            click.start(PromptTime - lead);
    };
    const std::vector<TimedWait> waits = rig.runDrill();
    form.onWaitStart = {};

    Round round;
    round.clickMs = ms(returnedAt - clickedAt);
    std::vector<double> overshoots;
    for (const TimedWait &wait : waits) {
        overshoots.push_back(ms(wait.end - wait.start - wait.duration));
        if (wait.start <= clickedAt && clickedAt <= wait.end)
            round.heldMs = overshoots.back();
        else
            round.othersMaxMs = std::max(round.othersMaxMs, overshoots.back());
    }
    for (QMessageBox *box : form.findChildren<QMessageBox *>()) {
        round.boxOpen = round.boxOpen || box->isVisible();
        box->close();
    }
    DrillRig::settle(milliseconds(100));

    std::printf("%-26s %5d %14.3f %14.3f %10.3f %9s\n", variant, number, round.heldMs, round.othersMaxMs, round.clickMs,
                round.boxOpen ? "yes" : "no");
    if (everyWait) {
        std::printf("           overshoots ms:");
        for (double overshoot : overshoots)
            std::printf(" %.2f", overshoot);
        std::printf("\n");
    }
    return round;
}

int loadDuringDrill(Arguments given)
{
    DrillRig rig(Cards);
    if (!rig.ready())
        return 1;
    rig.setDrillOptions(u"0.5"_s);
    // The rig's folder is the working one; its cards.txt stays loaded.
    if (!writeDeckFile(u"short.txt"_s, {u"a b c"_s}) || !rig.selectFile(u"short.txt"_s))
        return 1;
    TimedForm &form = rig.form();
    const auto blockingBox = [&form](const QString &message) {
        QMessageBox box(QMessageBox::Warning, u"問題読込"_s, message, QMessageBox::Ok, &form);
        QTimer::singleShot(ReadingTime, &box, &QMessageBox::accept);
        box.exec();
    };

    std::printf(
        "Failed load during a drill: %d cards, answers on, sound off, speed 0.5 (prompt 750 ms, answer 500 ms);\n"
        "the load is clicked in the second card's prompt, 210 ms or 2 ms before its end\n\n",
        Cards);
    std::printf("%-26s %5s %14s %14s %10s %9s\n", "box, click before end", "round", "held wait", "other waits",
                "handler", "box open");
    std::printf("%-26s %5s %14s %14s %10s %9s\n", "", "", "overshoot ms", "max ms", "ms", "after");

    // The process's first message box is the slowest: nothing of it is made yet.
    form.setErrorReporter({});
    const Round cold = runRound(rig, "window, 210 ms, first box", 0, Tight, given.verbose);
    std::vector<double> tight, end, others, blocking;
    int notOpen = !cold.boxOpen;
    for (int number = 1; number <= given.count; ++number) {
        form.setErrorReporter({});
        for (const milliseconds lead : {Tight, End}) {
            const Round round = runRound(rig, lead == Tight ? "window, 210 ms" : "window, 2 ms", number, lead,
                                         given.verbose);
            (lead == Tight ? tight : end).push_back(round.heldMs);
            others.push_back(round.othersMaxMs);
            notOpen += !round.boxOpen;
        }
        form.setErrorReporter(blockingBox);
        blocking.push_back(runRound(rig, "exec(), 210 ms", number, Tight, given.verbose).heldMs);
    }

    // A held wait of -1 ms is a click that came in no wait at all.
    const auto late = [](const char *figure, const std::vector<double> &held) {
        printFigure(figure, withUnit(maximum(held), "ms"), "<= 20 ms", minimum(held) >= 0 && maximum(held) <= 20.0);
    };
    printTargetHeader();
    late("drill: next card late, box made at once", tight);
    late("drill: the same, first box of the process", {cold.heldMs});
    late("drill: next card late, message held", end);
    printReference("drill: other waits' overshoot, worst", withUnit(maximum(others), "ms"), "the same drills");
    printFigure("drill: messages not open at the drill's end", QString::number(notOpen), "0", notOpen == 0);
    printReference("drill: box run by exec(), median", withUnit(median(blocking), "ms"), "about 290 ms");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    return windowBenchmark(argc, argv, 3, loadDuringDrill);
}
