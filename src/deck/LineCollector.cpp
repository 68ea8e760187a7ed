// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LineCollector.h"

#include "Logging.h"

#include <algorithm>
#include <utility>

namespace lexiwren {
namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
// Old DOS and Windows editors end a file with it.
constexpr char16_t EndOfFileMark = 0x1A;

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LEBom("\xFF\xFE");
constexpr QByteArrayView Utf16BEBom("\xFE\xFF");

// How much of a text's non-ASCII reads as UTF-8: the well-formed multi-byte
// sequences, and the bytes that belong to none.
struct Utf8Evidence
{
    qsizetype sequences = 0;
    qsizetype strayBytes = 0;
};

qsizetype utf8SequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) {
        return at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0;
    };
    const unsigned char lead = byte(0);
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range, narrower after some leads
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

void weighUtf8(QByteArrayView bytes, Utf8Evidence &evidence)
{
    for (qsizetype i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
        } else if (const qsizetype length = utf8SequenceLength(bytes, i)) {
            ++evidence.sequences;
            i += length;
        } else {
            ++evidence.strayBytes;
            ++i;
        }
    }
}

} // namespace

bool LineCollector::feed(QByteArrayView bytes)
{
    if (m_stopped)
        return false;

    if (m_layout == Layout::Undecided) {
        // Hold back at most a mark's length, never the whole input.
        const qsizetype take = std::min(bytes.size(), Utf8Bom.size() - m_head.size());
        m_head.append(bytes.first(take));
        bytes = bytes.sliced(take);
        decideLayout(false);
        if (m_layout == Layout::Undecided)
            return true;
        scanPiece(std::exchange(m_head, {}));
    }
    if (!m_stopped)
        scanPiece(bytes);
    return !m_stopped;
}

void LineCollector::scanPiece(QByteArrayView bytes)
{
    if (m_layout == Layout::Bytes) {
        scan<1>(bytes);
        return;
    }
    QByteArray joined;
    if (!m_oddByte.isEmpty()) {
        joined = std::exchange(m_oddByte, {});
        joined.append(bytes);
        bytes = joined;
    }
    const qsizetype whole = bytes.size() & ~qsizetype(1);
    scan<2>(bytes.first(whole));
    if (!m_stopped && whole < bytes.size())
        m_oddByte = bytes.sliced(whole).toByteArray();
}

void LineCollector::decideLayout(bool atEnd)
{
    if (m_head.startsWith(Utf8Bom)) {
        m_layout = Layout::Bytes;
        m_utf8Bom = true;
        m_head.remove(0, Utf8Bom.size());
    } else if (m_head.startsWith(Utf16LEBom)) {
        m_layout = Layout::Utf16LE;
        m_head.remove(0, Utf16LEBom.size());
    } else if (m_head.startsWith(Utf16BEBom)) {
        m_layout = Layout::Utf16BE;
        m_head.remove(0, Utf16BEBom.size());
    } else {
        // A piece may end inside a byte-order mark: wait for the rest of it.
        const bool mayBeMark = Utf8Bom.startsWith(m_head) || Utf16LEBom.startsWith(m_head)
                               || Utf16BEBom.startsWith(m_head);
        if (atEnd || !mayBeMark)
            m_layout = Layout::Bytes;
    }
}

char16_t LineCollector::unitAt(QByteArrayView units, qsizetype i) const
{
    const auto first = static_cast<unsigned char>(units[i]);
    if (m_layout == Layout::Bytes)
        return first;
    const auto second = static_cast<unsigned char>(units[i + 1]);
    return m_layout == Layout::Utf16LE ? char16_t(first | second << 8) : char16_t(first << 8 | second);
}

template<int UnitBytes>
void LineCollector::scan(QByteArrayView units)
{
    if (units.isEmpty())
        return;
    releaseHeldMark();
    if (m_stopped)
        return;
    qsizetype start = 0;
    for (qsizetype i = 0; i < units.size(); i += UnitBytes) {
        const char16_t unit = unitAt(units, i);
        if (m_afterCr) {
            m_afterCr = false;
            if (unit == Lf) {
                start = i + UnitBytes;
                continue;
            }
        }
        if (unit != Cr && unit != Lf)
            continue;
        appendToLine(units.sliced(start, i - start));
        if (m_stopped)
            return;
        endLine();
        if (m_stopped)
            return;
        m_afterCr = unit == Cr;
        start = i + UnitBytes;
    }
    QByteArrayView rest = units.sliced(start);
    // A mark may be the file's last character: it waits until more comes.
    if (!rest.isEmpty() && unitAt(rest, rest.size() - UnitBytes) == EndOfFileMark) {
        m_heldMark = rest.last(UnitBytes).toByteArray();
        rest.chop(UnitBytes);
    }
    appendToLine(rest);
}

void LineCollector::releaseHeldMark()
{
    if (!m_heldMark.isEmpty())
        appendToLine(std::exchange(m_heldMark, {}));
}

void LineCollector::appendToLine(QByteArrayView piece)
{
    if (m_line.size() + piece.size() > MaxLineBytes) {
        m_tooLongLine = m_lineNumber;
        m_stopped = true;
        return;
    }
    m_line.append(piece);
}

void LineCollector::endLine()
{
    if (!m_line.isEmpty()) {
        m_kept.append({m_line, m_lineNumber});
        m_line.clear();
        if (m_kept.size() == MaxCards)
            m_stopped = true;
    }
    ++m_lineNumber;
}

LineCollector::Reading LineCollector::reading() const
{
    switch (m_layout) {
    case Layout::Utf16LE:
        return {TextEncoding::Utf16LE, false};
    case Layout::Utf16BE:
        return {TextEncoding::Utf16BE, false};
    case Layout::Undecided:
    case Layout::Bytes:
        break;
    }
    if (m_utf8Bom)
        return {TextEncoding::Utf8, false};
    Utf8Evidence evidence;
    for (const RawLine &line : m_kept)
        weighUtf8(line.bytes, evidence);
    if (evidence.strayBytes == 0)
        return {TextEncoding::Utf8, false};
    // Shift_JIS text is mostly bytes that no UTF-8 sequence has, so a file
    // that is mostly UTF-8 is a UTF-8 file with a few bad bytes (a Latin-1
    // letter, say): read as Shift_JIS, every card would come out garbled.
    if (evidence.sequences > evidence.strayBytes)
        return {TextEncoding::Utf8, true};
    return {TextEncoding::Cp932, false};
}

QuestionFileResult LineCollector::finish()
{
    if (m_layout == Layout::Undecided) {
        decideLayout(true);
        scanPiece(std::exchange(m_head, {}));
    }
    if (!m_stopped) {
        // The last line may lack its end; half a UTF-16 unit still belongs to
        // it, and so does a held end-of-file mark before that half.
        if (!m_oddByte.isEmpty()) {
            releaseHeldMark();
            appendToLine(std::exchange(m_oddByte, {}));
        }
        if (!m_stopped && !m_line.isEmpty())
            endLine();
        m_stopped = true;
    }

    // Lines are checked in file order, so a short line before the too-long one wins.
    const Reading how = reading();
    QuestionFileContents contents;
    contents.lines.reserve(m_kept.size());
    int uncleanLines = 0, firstUnclean = 0;
    for (const RawLine &raw : std::as_const(m_kept)) {
        bool clean = true;
        QString line = decodeText(raw.bytes, how.encoding, &clean);
        if (!clean) {
            if (how.refuseUnreadable)
                return QuestionFileError{QuestionFileError::Kind::Undecodable, raw.lineNumber,
                                         encodingName(how.encoding)};
            if (uncleanLines++ == 0)
                firstUnclean = raw.lineNumber;
        }
        if (line.count(fieldSeparator(line)) < FieldsPerCard - 1)
            return QuestionFileError{QuestionFileError::Kind::TooFewFields, raw.lineNumber, {}};
        contents.lines.append(std::move(line));
    }
    if (m_tooLongLine > 0)
        return QuestionFileError{QuestionFileError::Kind::LineTooLong, m_tooLongLine, {}};
    if (uncleanLines > 0)
        qCWarning(lcDeck, "%d line(s) read as %s had bytes that are not valid there, now U+FFFD (first: line %d)",
                  uncleanLines, qPrintable(encodingName(how.encoding)), firstUnclean);
    return contents;
}

} // namespace lexiwren
