// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading rule, fed a file's bytes piece by piece, so that a reader can
// stop as soon as the rule has what it needs and never holds more than the
// kept lines.
#pragma once

#include "QuestionFile.h"
#include "TextDecoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace lexiwren {

class LineCollector
{
public:
    // Takes the next bytes of the file. Returns false once no more are
    // wanted: the cards are complete or a line is too long.
    bool feed(QByteArrayView bytes);

    // The input has ended (or reading stopped): decodes the kept lines and
    // checks their fields. Call it once.
    QuestionFileResult finish();

private:
    enum class Layout { Undecided, Bytes, Utf16LE, Utf16BE };

    struct RawLine
    {
        QByteArray bytes;
        int lineNumber = 0;
    };

    void decideLayout(bool atEnd);
    void scanPiece(QByteArrayView bytes);
    template<int UnitBytes>
    void scan(QByteArrayView units);
    char16_t unitAt(QByteArrayView units, qsizetype i) const;
    void appendToLine(QByteArrayView piece);
    void releaseHeldMark();
    void endLine();
    // How the kept lines are decoded, and whether a line with bytes the
    // encoding cannot read refuses the file rather than showing U+FFFD.
    struct Reading
    {
        TextEncoding encoding = TextEncoding::Utf8;
        bool refuseUnreadable = false;
    };
    Reading reading() const;

    Layout m_layout = Layout::Undecided;
    bool m_utf8Bom = false;
    QByteArray m_head;      // the first bytes, until it is known whether they are a byte-order mark
    QByteArray m_oddByte;   // half of a UTF-16 unit cut off at the end of a piece
    QByteArray m_line;      // the line being read, without its end
    QByteArray m_heldMark;  // an end-of-file mark not yet known to end the file
    bool m_afterCr = false; // an LF right after a CR ends nothing more
    int m_lineNumber = 1;
    int m_tooLongLine = 0;
    bool m_stopped = false;
    QList<RawLine> m_kept;
};

} // namespace lexiwren
