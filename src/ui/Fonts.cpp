// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include "Logging.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace lexiwren {

namespace {

// Any installed face that covers Japanese, for machines without the IPA fonts.
QString anyJapaneseFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

QStringList wantedFamilies(FontFace face)
{
    switch (face) {
    case FontFace::Gothic:
        return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                QStringLiteral("IPAGothic")};
    case FontFace::ProportionalMincho:
        return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"),
                QStringLiteral("IPAMincho")};
    case FontFace::Mincho:
        return {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho")};
    }
    return {};
}

const QStringList &familiesFor(FontFace face)
{
    static const QStringList gothic = installedFamilies(wantedFamilies(FontFace::Gothic));
    static const QStringList proportionalMincho = installedFamilies(wantedFamilies(FontFace::ProportionalMincho));
    static const QStringList mincho = installedFamilies(wantedFamilies(FontFace::Mincho));
    switch (face) {
    case FontFace::Gothic:
        return gothic;
    case FontFace::ProportionalMincho:
        return proportionalMincho;
    case FontFace::Mincho:
        break;
    }
    return mincho;
}

} // namespace

// Names that are not installed are left out: every one would cost a
// fruitless font search at each font the window makes.
QStringList installedFamilies(const QStringList &wanted)
{
    QStringList families = wanted;
    families.removeIf([](const QString &family) { return !QFontDatabase::hasFamily(family); });
    if (!families.isEmpty())
        return families;
    if (const QString fallback = anyJapaneseFamily(); !fallback.isEmpty()) {
        qCWarning(lcUi).noquote() << "None of the faces" << wanted.join(QStringLiteral(", ")) << "is installed; using"
                                  << fallback << "instead";
        return {fallback};
    }
    qCWarning(lcUi).noquote() << "None of the faces" << wanted.join(QStringLiteral(", "))
                              << "is installed, nor any Japanese face: Japanese text may not show";
    return families;
}

int pixelsForPoints(qreal points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont makeFont(FontFace face, qreal points, bool italic)
{
    QFont font;
    font.setFamilies(familiesFor(face));
    font.setPixelSize(qMax(1, pixelsForPoints(points)));
    font.setWeight(QFont::Normal);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace lexiwren
