// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the first frame, built twice: startup_probe starts the program
// as src/main.cpp does; bare_window (LEXIWREN_BARE_WINDOW) shows one label in
// a window of the same size, what start-up costs Qt alone. Each notes its
// steps as "step NAME NS", prints "first-frame-ns NS" once its first frame
// has been painted and flushed, and quits. NS counts from the moment the
// launcher started the process, which it passes in LEXIWREN_BENCH_T0_NS.
#include "ui/FormLayout.h"
#ifndef LEXIWREN_BARE_WINDOW
#include "ui/DisplayScale.h"
#include "ui/Program.h"
#endif

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Nanoseconds since the launcher started this process; steady_clock is the
// launcher's CLOCK_MONOTONIC.
long long sinceStart()
{
    const char *t0 = std::getenv("LEXIWREN_BENCH_T0_NS");
    return std::chrono::steady_clock::now().time_since_epoch().count() - (t0 ? std::atoll(t0) : 0);
}

void noteStep(const char *name)
{
    std::printf("step %s %lld\n", name, sinceStart());
}

class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && watched == m_window && event->type() == QEvent::Paint) {
            m_seen = true;
            noteStep("paint");
            // Queued: it runs once this paint, the children's and the flush are done.
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::printf("first-frame-ns %lld\n", sinceStart());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    noteStep("main");
#ifndef LEXIWREN_BARE_WINDOW
    lexiwren::scaleBeforeApplication();
#endif
    QApplication app(argc, argv);
    noteStep("app");
#ifdef LEXIWREN_BARE_WINDOW
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(lexiwren::ClientSize);
    QLabel label(QStringLiteral("Lexiwren"), &window);
    label.move(20, 20);
    noteStep("built");
    FirstFrame firstFrame(&window);
    window.show();
#else
    lexiwren::setUpApplication();
    if (lexiwren::restartedForScreen())
        return 0;
    lexiwren::Program program;
    noteStep("built");
    FirstFrame firstFrame(&program.window());
    program.show();
#endif
    noteStep("shown");
    return QApplication::exec();
}
