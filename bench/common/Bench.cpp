// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bench.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lexiwren::bench {

nanoseconds now()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

double ms(nanoseconds t)
{
    return std::chrono::duration<double, std::milli>(t).count();
}

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

double percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}

double maximum(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::max_element(samples.begin(), samples.end());
}

double minimum(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::min_element(samples.begin(), samples.end());
}

namespace {

rusage ownUsage()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

double processorSeconds(const rusage &usage)
{
    const auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

Stopwatch::Stopwatch()
{
    const rusage usage = ownUsage();
    m_processorSeconds = processorSeconds(usage);
    m_preemptions = usage.ru_nivcsw;
    m_wall = now();
}

double Stopwatch::wallSeconds() const
{
    return ms(now() - m_wall) / 1000.0;
}

double Stopwatch::processorPercent() const
{
    const double wall = wallSeconds();
    return 100.0 * (processorSeconds(ownUsage()) - m_processorSeconds) / wall;
}

long Stopwatch::preemptions() const
{
    return ownUsage().ru_nivcsw - m_preemptions;
}

void printTargetHeader()
{
    std::printf("\n%-44s %12s   %-22s %s\n", "figure", "value", "target", "verdict");
}

void printFigure(const std::string &figure, const QString &value, const char *target, bool met)
{
    if (*target)
        std::printf("%-44s %12s   %-22s %s\n", figure.c_str(), qPrintable(value), target, met ? "met" : "MISSED");
    else
        std::printf("%-44s %12s\n", figure.c_str(), qPrintable(value));
}

void printReference(const std::string &figure, const QString &value, const char *expected)
{
    std::printf("%-44s %12s   %-22s %s\n", figure.c_str(), qPrintable(value), expected, "reference");
}

QString withUnit(double value, const char *unit, int decimals)
{
    return QString::number(value, 'f', decimals) + u' ' + QLatin1StringView(unit);
}

QStringList sampleCardLines(int cards)
{
    // clang-format off
    static const QStringList words = QStringLiteral(
        "apple アップル 0 りんご|library ライブラリー 1 図書館|umbrella アンブレラ 1 傘|"
        "international インターナショナル 3 国際的な|breakfast ブレックファスト 1 朝ごはん|mountain マウンテン 1 山|"
        "responsibility レスポンシビリティ 5 責任|kitchen キッチン 0 台所|telephone テレフォン 0 電話|"
        "weather ウェザー 0 天気|environment エンバイロメント 3 環境|station ステーション 1 駅|"
        "beautiful ビューティフル 0 美しい|question クエスチョン 1 質問|understand アンダースタンド 4 理解する|"
        "hospital ホスピタル 0 病院|vegetable ベジタブル 0 野菜|important インポータント 2 大切な|"
        "dictionary ディクショナリー 0 辞書|bicycle バイシクル 0 自転車|temperature テンパラチャー 0 温度|"
        "neighbor ネイバー 0 近所の人|experience エクスペリエンス 2 経験|river リバー 0 川|"
        "communication コミュニケーション 56 意思の伝達|yesterday イエスタデイ 0 昨日|difficult ディフィカルト 0 難しい|"
        "airport エアポート 0 空港|government ガバメント 0 政府|comfortable カンファタブル 0 快適な|"
        "wonderful ワンダフル 0 すばらしい|newspaper ニュースペーパー 0 新聞|celebrate セレブレイト 0 祝う").split(u'|');
    // clang-format on
    QStringList lines;
    for (int card = 0; card < cards; ++card)
        lines << words[card % words.size()];
    return lines;
}

bool writeDeckFile(const QString &path, const QStringList &lines, qint64 padToBytes)
{
    QFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QByteArray text = lines.join(u'\n').toUtf8() + '\n';
    written = written && file.write(text) == text.size();
    // Padding in blocks of whole lines, the last one cut to fit.
    const QByteArray block = (sampleCardLines(1).first().toUtf8() + '\n').repeated(1 << 15);
    for (qint64 left = padToBytes - file.size(); written && left > 0; left = padToBytes - file.size()) {
        const qint64 take = qMin<qint64>(left, block.size());
        written = file.write(block.constData(), take) == take;
    }
    if (!written || !file.flush())
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return written;
}

ChildRun runChild(const std::vector<std::string> &command)
{
    ChildRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return run;
    }
    const long long t0 = now().count();
    setenv("LEXIWREN_BENCH_T0_NS", std::to_string(t0).c_str(), 1);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return run;
    }
    if (child == 0) {
        std::vector<char *> argv;
        for (const std::string &word : command)
            argv.push_back(const_cast<char *>(word.c_str()));
        argv.push_back(nullptr);
        dup2(out[1], STDOUT_FILENO);
        execv(argv[0], argv.data());
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    close(out[1]);
    char buffer[512];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            run.printed.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR)
            break;
    }
    close(out[0]);
    rusage usage{};
    while (wait4(child, &run.status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.exitMs = static_cast<double>(now().count() - t0) / 1e6;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

double printedNumber(const std::string &printed, const std::string &key)
{
    const size_t at = printed.find(key + ' ');
    return at == std::string::npos ? -1.0 : std::atof(printed.c_str() + at + key.size() + 1);
}

} // namespace lexiwren::bench
