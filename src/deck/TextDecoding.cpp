// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextDecoding.h"

#include "Logging.h"

#include <QStringDecoder>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <utility>

namespace lexiwren {
namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

QStringConverter::Encoding qtEncoding(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return QStringConverter::Utf16LE;
    case TextEncoding::Utf16BE:
        return QStringConverter::Utf16BE;
    case TextEncoding::Utf8:
    case TextEncoding::Cp932:
        break;
    }
    return QStringConverter::Utf8;
}

// Code page 932 goes through glibc: Qt 6 has no converter of its own for it.
QString decodeCp932(QByteArrayView bytes, bool &clean)
{
    const char *toCode = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
    iconv_t converter = iconv_open(toCode, "CP932");
    // (iconv_t)-1 is how iconv_open reports failure.
    if (converter == reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr)
        static bool warned = false;
        if (!std::exchange(warned, true))
            qCWarning(lcDeck, "No CP932 converter (iconv_open: %s); Shift_JIS text shows as ASCII only",
                      strerror(errno));
        // Without the converter only ASCII can be trusted.
        QString text(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            text[i] = byte < 0x80 ? QChar(char16_t(byte)) : QChar(ReplacementCharacter);
            clean = clean && byte < 0x80;
        }
        return text;
    }

    // Every code page 932 character is one byte or two and lies in the BMP,
    // and a bad byte becomes one U+FFFD: the text never has more units than bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data()); // iconv's signature; it does not write there
    size_t inLeft = static_cast<size_t>(bytes.size());
    char *out = reinterpret_cast<char *>(text.data());
    size_t outLeft = static_cast<size_t>(text.size()) * sizeof(char16_t);

    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break; // E2BIG cannot happen with the room given above
        // A byte that starts no character, or a lead byte cut off at the end.
        clean = false;
        const char16_t replacement = ReplacementCharacter;
        memcpy(out, &replacement, sizeof replacement);
        out += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(converter);

    text.truncate(text.size() - static_cast<qsizetype>(outLeft / sizeof(char16_t)));
    return text;
}

} // namespace

QString decodeText(QByteArrayView bytes, TextEncoding encoding, bool *clean)
{
    bool decodedCleanly = true;
    QString text;
    if (encoding == TextEncoding::Cp932) {
        text = decodeCp932(bytes, decodedCleanly);
    } else {
        // QString::fromUtf8 would drop a leading U+FEFF; this decoder keeps it.
        QStringDecoder decoder(qtEncoding(encoding),
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(bytes);
        // The stateless decoder replaces half a UTF-16 unit at the end without calling it an error.
        const bool halfUnit = encoding != TextEncoding::Utf8 && bytes.size() % 2 != 0;
        decodedCleanly = !decoder.hasError() && !halfUnit;
    }
    if (clean)
        *clean = decodedCleanly;
    return text;
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16BE");
    case TextEncoding::Cp932:
        break;
    }
    return QStringLiteral("Shift_JIS");
}

} // namespace lexiwren
