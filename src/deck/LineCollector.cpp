// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LineCollector.h"

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

TextEncoding LineCollector::textEncoding() const
{
    switch (m_layout) {
    case Layout::Utf16LE:
        return TextEncoding::Utf16LE;
    case Layout::Utf16BE:
        return TextEncoding::Utf16BE;
    case Layout::Undecided:
    case Layout::Bytes:
        break;
    }
    if (m_utf8Bom)
        return TextEncoding::Utf8;
    const bool allUtf8 = std::all_of(m_kept.cbegin(), m_kept.cend(),
                                     [](const RawLine &line) { return QByteArrayView(line.bytes).isValidUtf8(); });
    return allUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932;
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
    const TextEncoding encoding = textEncoding();
    QuestionFileContents contents;
    contents.lines.reserve(m_kept.size());
    for (const RawLine &raw : std::as_const(m_kept)) {
        QString line = decodeText(raw.bytes, encoding);
        if (line.count(fieldSeparator(line)) < FieldsPerCard - 1)
            return QuestionFileError{QuestionFileError::Kind::TooFewFields, raw.lineNumber, {}};
        contents.lines.append(std::move(line));
    }
    if (m_tooLongLine > 0)
        return QuestionFileError{QuestionFileError::Kind::LineTooLong, m_tooLongLine, {}};
    return contents;
}

} // namespace lexiwren
