// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleDeck.h"

#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace lexiwren::bench {

namespace {

const QStringList &sampleWords()
{
    static const QStringList words = {
        u"apple アップル 0 りんご"_s,
        u"library ライブラリー 1 図書館"_s,
        u"umbrella アンブレラ 1 傘"_s,
        u"international インターナショナル 3 国際的な"_s,
        u"breakfast ブレックファスト 1 朝ごはん"_s,
        u"mountain マウンテン 1 山"_s,
        u"responsibility レスポンシビリティ 5 責任"_s,
        u"kitchen キッチン 0 台所"_s,
        u"telephone テレフォン 0 電話"_s,
        u"weather ウェザー 0 天気"_s,
        u"environment エンバイロメント 3 環境"_s,
        u"station ステーション 1 駅"_s,
        u"beautiful ビューティフル 0 美しい"_s,
        u"question クエスチョン 1 質問"_s,
        u"understand アンダースタンド 4 理解する"_s,
        u"hospital ホスピタル 0 病院"_s,
        u"vegetable ベジタブル 0 野菜"_s,
        u"important インポータント 2 大切な"_s,
        u"dictionary ディクショナリー 0 辞書"_s,
        u"bicycle バイシクル 0 自転車"_s,
        u"temperature テンパラチャー 0 温度"_s,
        u"neighbor ネイバー 0 近所の人"_s,
        u"experience エクスペリエンス 2 経験"_s,
        u"river リバー 0 川"_s,
        u"communication コミュニケーション 56 意思の伝達"_s,
        u"yesterday イエスタデイ 0 昨日"_s,
        u"difficult ディフィカルト 0 難しい"_s,
        u"airport エアポート 0 空港"_s,
        u"government ガバメント 0 政府"_s,
        u"comfortable カンファタブル 0 快適な"_s,
        u"wonderful ワンダフル 0 すばらしい"_s,
        u"newspaper ニュースペーパー 0 新聞"_s,
        u"celebrate セレブレイト 0 祝う"_s,
    };
    return words;
}

} // namespace

QStringList sampleCardLines(int cards)
{
    const QStringList &words = sampleWords();
    QStringList lines;
    for (int card = 0; card < cards; ++card)
        lines << words[card % words.size()];
    return lines;
}

bool writeDeckFile(const QString &path, const QStringList &lines, qint64 padToBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    QByteArray text = lines.join(u'\n').toUtf8();
    if (!text.isEmpty())
        text += '\n';
    bool written = file.write(text) == text.size();

    // Padding in blocks of whole lines, the last one cut to fit.
    QByteArray block;
    const QByteArray line = sampleCardLines(1).first().toUtf8() + '\n';
    while (block.size() < (1 << 20))
        block += line;
    for (qint64 left = padToBytes - file.size(); written && left > 0; left = padToBytes - file.size()) {
        const qint64 take = qMin<qint64>(left, block.size());
        written = file.write(block.constData(), take) == take;
    }
    if (!written || !file.flush()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace lexiwren::bench
