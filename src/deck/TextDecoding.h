// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning the bytes of one line into text, once the file's encoding is known.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace lexiwren {

enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Cp932 };

// Decodes a whole line. Bytes that cannot be decoded become U+FFFD, and clean,
// when given, tells whether any did; a U+FEFF at the start is kept, because a
// byte-order mark was already taken off the file.
QString decodeText(QByteArrayView bytes, TextEncoding encoding, bool *clean = nullptr);

// The encoding's name as the learner knows it.
QString encodingName(TextEncoding encoding);

} // namespace lexiwren
