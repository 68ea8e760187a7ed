// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrillRig.h"

#include "ui/FileList.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace lexiwren::bench {

bool TimedForm::hold(qint32 durationMs)
{
    if (onWaitStart)
        onWaitStart();
    const nanoseconds start = now();
    const bool going = Form1::hold(durationMs);
    waits.push_back({start, std::chrono::milliseconds(durationMs), now()});
    return going;
}

void ChoosablePump::processEvents(nanoseconds maxWait)
{
    if (spinning)
        QCoreApplication::processEvents();
    else
        m_sleeping.processEvents(maxWait);
}

DrillRig::DrillRig(int cards)
    : m_previousFolder(QDir::currentPath())
{
    const QString name = u"cards.txt"_s;
    if (!m_folder.isValid() || !writeDeckFile(m_folder.filePath(name), sampleCardLines(cards)))
        return;
    // The file list and the load button work in the current folder.
    QDir::setCurrent(m_folder.path());
    m_form = std::make_unique<TimedForm>(Platform{m_clock, m_pump, m_beeper, m_random, m_end});
    m_form->setErrorReporter([](const QString &message) { std::fprintf(stderr, "load: %s\n", qPrintable(message)); });
    selectFile(name);
    m_form->Command6_Click();
    if (m_form->CardCount != cards || !m_form->Command1->isEnabled()) {
        std::fprintf(stderr, "the window loaded %d cards instead of %d\n", m_form->CardCount, cards);
        return;
    }
    m_form->show();
    settle(std::chrono::milliseconds(300));
    m_ready = true;
}

DrillRig::~DrillRig()
{
    m_form.reset();
    QDir::setCurrent(m_previousFolder);
}

bool DrillRig::selectFile(const QString &name)
{
    m_form->File1->refresh();
    const QList<QListWidgetItem *> found = m_form->File1->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        m_form->File1->setCurrentItem(found.first());
    return !found.isEmpty();
}

void DrillRig::setDrillOptions(const QString &speed)
{
    m_form->Check1->setChecked(true);
    m_form->Check2->setChecked(true);
    m_form->Check3->setChecked(false);
    m_form->Combo1->setEditText(speed);
}

std::vector<TimedWait> DrillRig::runDrill()
{
    m_form->waits.clear();
    m_form->Command1_Click();
    return m_form->waits;
}

void DrillRig::settle(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

int windowBenchmark(int argc, char *argv[], int defaultCount, const std::function<int(Arguments)> &body)
{
    QApplication app(argc, argv);
    const QStringList words = QCoreApplication::arguments();
    const bool countGiven = words.size() > 1 && words[1] != "-v"_L1;
    const Arguments given{countGiven ? std::max(1, words[1].toInt()) : defaultCount, words.contains("-v"_L1)};
    std::printf("platform %s, dispatcher %s\n", qPrintable(QApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className());
    return body(given);
}

} // namespace lexiwren::bench
