// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What every benchmark shares: the time, order statistics, the closing
// lines of figures against their targets, sample question files, and child
// processes timed from their start.
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <string>
#include <vector>

namespace lexiwren::bench {

using std::chrono::nanoseconds;

// The steady clock, which the window's waits run on too.
nanoseconds now();
double ms(nanoseconds t);

// The middle sample (mean of the middle two for an even count); 0 when empty.
double median(std::vector<double> samples);
// Nearest rank, p in (0, 100]: the smallest sample with at least p% of the
// samples at or below it; 0 when empty.
double percentile(std::vector<double> samples, double p);
double maximum(const std::vector<double> &samples);
double minimum(const std::vector<double> &samples);

// Wall and processor time since it was made.
class Stopwatch
{
public:
    Stopwatch();
    double wallSeconds() const;
    double processorPercent() const; // of one core, user and system time together
    long preemptions() const;        // times the scheduler took the processor away

private:
    nanoseconds m_wall{};
    double m_processorSeconds = 0.0;
    long m_preemptions = 0;
};

// The closing lines, which bench/run-all.sh gathers: "figure value target verdict".
void printTargetHeader();
// An empty target prints the figure alone; a reference is shown for comparison.
void printFigure(const std::string &figure, const QString &value, const char *target = "", bool met = true);
void printReference(const std::string &figure, const QString &value, const char *expected);
QString withUnit(double value, const char *unit, int decimals = 2);

// cards lines "word reading accent meaning", everyday words with long ones
// among them, so that some are shrunk to fit the card as in a real deck.
QStringList sampleCardLines(int cards);
// Writes the lines as UTF-8, LF-ended, then more card lines until the file
// has padToBytes bytes. False, after a message on stderr, when writing failed.
bool writeDeckFile(const QString &path, const QStringList &lines, qint64 padToBytes = 0);

// A program run to its end, timed from just before it was started; the
// moment goes to it in LEXIWREN_BENCH_T0_NS (CLOCK_MONOTONIC nanoseconds).
struct ChildRun
{
    std::string printed; // its standard output
    int status = -1;     // as wait4 gives it
    double exitMs = 0.0;
    // Its peak resident memory, which counts the launcher's own as fork
    // copied it: a figure only for a child much larger than its launcher.
    double peakMiB = 0.0;
};
ChildRun runChild(const std::vector<std::string> &command);
// The number after "KEY " in printed, or -1 when there is none.
double printedNumber(const std::string &printed, const std::string &key);

} // namespace lexiwren::bench
