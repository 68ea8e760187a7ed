// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumericValue.h"

#include <cfloat>
#include <charconv>
#include <string>
#include <system_error>

namespace lexiwren {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The number read from a text, blanks removed, ready for from_chars: the
// unsigned mantissa and exponent, plus what is needed to tell an overflow from
// an underflow when the value does not fit a double.
struct CompactNumber
{
    // E.g. "12.5e-3", no sign. A trailing "e" or "e+" without digits is left
    // in: from_chars, like strtod, reads "1e+" as 1.
    std::string digits;
    bool negative = false;
    bool hasMantissaDigit = false;
    // Decimal position of the first non-zero mantissa digit (0 for the units,
    // -1 for tenths), before the exponent; only meaningful when one was seen.
    long long leadingPosition = 0;
    long long exponent = 0; // saturated: only its sign and rough size matter
};

CompactNumber readNumber(QStringView text)
{
    enum class Stage { Sign, Mantissa, Fraction, ExponentSign, ExponentDigits };

    CompactNumber number;
    Stage stage = Stage::Sign;
    long long integerDigits = 0; // counted from the first non-zero digit
    long long fractionZeros = 0; // zeros after the "." before a non-zero digit
    bool hasNonZeroDigit = false;
    bool exponentNegative = false;

    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (isBlank(c))
            continue;
        switch (stage) {
        case Stage::Sign:
            stage = Stage::Mantissa;
            if (c == u'+' || c == u'-') {
                number.negative = c == u'-';
                continue;
            }
            [[fallthrough]];
        case Stage::Mantissa:
        case Stage::Fraction:
            if (isDigit(c)) {
                number.digits += static_cast<char>(c);
                number.hasMantissaDigit = true;
                if (c != u'0')
                    hasNonZeroDigit = true;
                if (stage == Stage::Mantissa && hasNonZeroDigit)
                    ++integerDigits;
                else if (stage == Stage::Fraction && !hasNonZeroDigit)
                    ++fractionZeros;
                continue;
            }
            if (c == u'.' && stage == Stage::Mantissa) {
                number.digits += '.';
                stage = Stage::Fraction;
                continue;
            }
            if ((c == u'e' || c == u'E') && number.hasMantissaDigit) {
                number.digits += 'e';
                stage = Stage::ExponentSign;
                continue;
            }
            break;
        case Stage::ExponentSign:
            stage = Stage::ExponentDigits;
            if (c == u'+' || c == u'-') {
                exponentNegative = c == u'-';
                number.digits += static_cast<char>(c);
                continue;
            }
            [[fallthrough]];
        case Stage::ExponentDigits:
            if (isDigit(c)) {
                number.digits += static_cast<char>(c);
                if (number.exponent < 1'000'000'000)
                    number.exponent = number.exponent * 10 + (c - u'0');
                continue;
            }
            break;
        }
        break; // this character cannot continue the number
    }

    if (exponentNegative)
        number.exponent = -number.exponent;
    number.leadingPosition = integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1);
    return number;
}

} // namespace

double numericValue(QStringView text)
{
    const CompactNumber number = readNumber(text);
    if (!number.hasMantissaDigit)
        return 0.0;

    // from_chars ignores the locale, unlike strtod once the application has
    // called setlocale: a German desktop must still read "1.5" as 1.5.
    double value = 0.0;
    const char *first = number.digits.data();
    const auto [end, error] = std::from_chars(first, first + number.digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tooLarge = number.leadingPosition + number.exponent > 0;
        value = tooLarge ? DBL_MAX : 0.0;
    } else if (error != std::errc() || end == first) {
        value = 0.0;
    }
    // "-0" and "-1e-999" read as plain 0: a negative zero would only surface
    // later as a "-0" on screen.
    if (value == 0.0)
        return 0.0;
    return number.negative ? -value : value;
}

} // namespace lexiwren
