#include "Fonts.h"

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

QStringList familiesFor(FontFace face)
{
    QStringList families;
    switch (face) {
    case FontFace::Gothic:
        families = {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("IPAGothic")};
        break;
    case FontFace::ProportionalMincho:
        families = {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"),
                    QStringLiteral("IPAMincho")};
        break;
    case FontFace::Mincho:
        families = {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho")};
        break;
    }
    if (const QString fallback = anyJapaneseFamily(); !fallback.isEmpty() && !families.contains(fallback))
        families.append(fallback);
    return families;
}

} // namespace

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
