// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReviewFile.h"

#include "TextDecoding.h"

#include <QFile>
#include <QLockFile>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lexiwren {
namespace {

const QByteArray ReviewSuffix = QByteArrayLiteral("-\xE5\xBE\xA9\xE7\xBF\x92"); // "-復習" in UTF-8
const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
constexpr char EndOfFileMark = '\x1A';

struct SplitPath
{
    QByteArray folder; // without its last slash
    QByteArray name;
};

SplitPath splitPath(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArrayLiteral("."), path};
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

bool hasTxtEnding(const QByteArray &name)
{
    return name.size() > 4 && name.right(4).toLower() == ".txt";
}

QString systemReason(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

// Next to the review file, hidden, and not "*.txt": the file list never shows them.
QByteArray besideFile(const QByteArray &path, const char *ending)
{
    const SplitPath split = splitPath(path);
    return split.folder + "/." + split.name + ending;
}

// One line of the file with its own line end, kept byte for byte.
struct FileLine
{
    QByteArray bytes;
    std::optional<Card> card; // for a line that holds one
};

struct Contents
{
    bool exists = false;
    QList<FileLine> lines;
    QByteArray lineEnd = QByteArrayLiteral("\n"); // the file's own, for lines added
};

std::optional<Card> cardOfLine(const QString &line)
{
    if (line.isEmpty() || QStringView(line).split(fieldSeparator(line)).size() < FieldsPerCard)
        return std::nullopt;
    return cardFromLine(line);
}

std::optional<QByteArray> readBytes(const QByteArray &path, int *error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return std::nullopt;
    }
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *error = errno;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    return bytes;
}

// A UTF-8 file keeps every line's bytes, blank lines and line ends included.
Contents splitUtf8(QByteArray bytes)
{
    Contents contents;
    contents.exists = true;
    // The end-of-file mark ends nothing once a line follows it.
    if (bytes.endsWith(EndOfFileMark))
        bytes.chop(1);
    bool endKnown = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArray text = bytes.mid(start, end - start);
        qsizetype next = end;
        if (next < bytes.size())
            next += (bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n') ? 2 : 1;
        if (!endKnown && next > end) {
            contents.lineEnd = bytes.mid(end, next - end);
            endKnown = true;
        }
        QString line = QString::fromUtf8(start == 0 && text.startsWith(Utf8Bom) ? text.mid(Utf8Bom.size()) : text);
        contents.lines.append({bytes.mid(start, next - start), cardOfLine(line)});
        start = next;
    }
    return contents;
}

// A file the learner saved in another encoding keeps its lines' text and becomes UTF-8.
Contents fromKeptLines(const QList<QString> &lines)
{
    Contents contents;
    contents.exists = true;
    for (const QString &line : lines)
        contents.lines.append({line.toUtf8() + '\n', cardOfLine(line)});
    return contents;
}

bool holdsCard(const Contents &contents, const Card &card)
{
    for (const FileLine &line : contents.lines) {
        if (line.card == card)
            return true;
    }
    return false;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += put;
    }
    return true;
}

} // namespace

QByteArray absoluteFilePath(const QByteArray &path)
{
    if (path.startsWith('/'))
        return path;
    QByteArray folder(4096, Qt::Uninitialized);
    while (!::getcwd(folder.data(), static_cast<size_t>(folder.size())) && errno == ERANGE)
        folder.resize(folder.size() * 2);
    folder.truncate(static_cast<qsizetype>(qstrlen(folder.constData())));
    return folder + (folder.endsWith('/') ? "" : "/") + path;
}

QByteArray reviewFilePath(const QByteArray &questionFilePath)
{
    const SplitPath split = splitPath(absoluteFilePath(questionFilePath));
    const QByteArray name = hasTxtEnding(split.name) ? split.name.chopped(4) + ReviewSuffix + split.name.right(4)
                                                     : split.name + ReviewSuffix + ".txt";
    return (split.folder.endsWith('/') ? split.folder : split.folder + '/') + name;
}

bool isReviewFile(const QByteArray &path)
{
    const QByteArray name = splitPath(path).name;
    return hasTxtEnding(name) && name.chopped(4).endsWith(ReviewSuffix);
}

QString shownFileName(const QByteArray &path)
{
    const QByteArray name = splitPath(path).name;
    return QByteArrayView(name).isValidUtf8() ? QString::fromUtf8(name) : decodeText(name, TextEncoding::Cp932);
}

QString reviewLine(const Card &card)
{
    bool spaced = false;
    for (const QString &field : card)
        spaced = spaced || field.contains(u' ');
    QStringList fields(card.begin(), card.end());
    return fields.join(spaced ? u'\t' : u' ');
}

QString ReviewOutcome::message(const QString &fileName) const
{
    switch (kind) {
    case Kind::CannotWrite:
        return u"復習ファイル「%1」に書き込めません（%2）。このフォルダには復習の印を残せません。"
               u"ドリルはそのまま続きます。"_s.arg(fileName, detail);
    case Kind::NotQuestions:
        return u"復習ファイル「%1」は問題ファイルとして読めないため、手を付けずにそのままにしてあります。"
               u"%2直すか消せば、また復習の印を付けられます。"_s.arg(fileName, refusal.message(fileName));
    case Kind::Interrupted:
        return u"復習ファイル「%1」の書き込みが途中で止まりました。元のファイルはそのままです。"_s.arg(fileName);
    case Kind::Added:
    case Kind::Removed:
    case Kind::Unchanged:
    case Kind::FileRemoved:
        break;
    }
    return {};
}

ReviewFile::ReviewFile(QByteArray path)
    : m_path(std::move(path))
{
}

ReviewOutcome ReviewFile::add(const Card &card)
{
    return change(Change::Add, card);
}

ReviewOutcome ReviewFile::remove(const Card &card)
{
    return change(Change::Remove, card);
}

namespace {

using Kind = ReviewOutcome::Kind;

// The file as it is now: nothing, its lines, or why it is left alone.
std::variant<Contents, ReviewOutcome> readContents(const QByteArray &path)
{
    // The same reader as the load button: a file it refuses is not touched.
    const QuestionFileResult checked = readQuestionFile(path);
    if (const auto *error = std::get_if<QuestionFileError>(&checked)) {
        if (error->kind == QuestionFileError::Kind::Missing)
            return Contents{};
        return ReviewOutcome{Kind::NotQuestions, {}, *error};
    }
    int error = 0;
    const std::optional<QByteArray> bytes = readBytes(path, &error);
    if (!bytes)
        return ReviewOutcome{Kind::CannotWrite, systemReason(error), {}};
    const qsizetype bom = bytes->startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    if (QByteArrayView(*bytes).sliced(bom).isValidUtf8())
        return splitUtf8(*bytes);
    return fromKeptLines(std::get<QuestionFileContents>(checked).lines);
}

} // namespace

QList<Card> ReviewFile::cards() const
{
    QList<Card> cards;
    const auto contents = readContents(m_path);
    if (const auto *read = std::get_if<Contents>(&contents)) {
        for (const FileLine &line : read->lines) {
            if (line.card)
                cards.append(*line.card);
        }
    }
    return cards;
}

ReviewOutcome ReviewFile::change(Change what, const Card &card)
{
    // Held while the file is read, written and renamed, so a second writer
    // reads only once this one's card is in.
    QLockFile lock(QFile::decodeName(besideFile(m_path, ".lock")));
    if (!lock.tryLock(static_cast<int>(m_lockTimeout.count()))) {
        const QString reason = lock.error() == QLockFile::LockFailedError ? u"ほかのプログラムが使用中です"_s
                                                                          : u"ロックファイルを作れません"_s;
        return {Kind::CannotWrite, reason, {}};
    }

    auto read = readContents(m_path);
    if (auto *refused = std::get_if<ReviewOutcome>(&read))
        return *refused;
    Contents contents = std::get<Contents>(std::move(read));

    if (what == Change::Add) {
        if (holdsCard(contents, card))
            return {Kind::Unchanged, {}, {}};
        if (!contents.lines.isEmpty()) {
            QByteArray &last = contents.lines.last().bytes;
            if (!last.endsWith('\n') && !last.endsWith('\r'))
                last += contents.lineEnd;
        }
        contents.lines.append({reviewLine(card).toUtf8() + contents.lineEnd, card});
    } else {
        if (!holdsCard(contents, card))
            return {Kind::Unchanged, {}, {}};
        contents.lines.removeIf([&card](const FileLine &line) { return line.card == card; });
        const bool anyLeft = std::any_of(contents.lines.cbegin(), contents.lines.cend(),
                                         [](const FileLine &line) { return line.card.has_value(); });
        if (!anyLeft) {
            if (::unlink(m_path.constData()) != 0)
                return {Kind::CannotWrite, systemReason(errno), {}};
            return {Kind::FileRemoved, {}, {}};
        }
    }

    QByteArray bytes;
    for (const FileLine &line : contents.lines)
        bytes += line.bytes;

    // A new file beside the old one, on the disk before it takes the old one's
    // name: a crash leaves one whole file or the other.
    const QByteArray newFile = besideFile(m_path, ".new");
    const int fd = ::open(newFile.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return {Kind::CannotWrite, systemReason(errno), {}};
    struct stat old
    {
    };
    if (contents.exists && ::stat(m_path.constData(), &old) == 0)
        (void)::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(newFile.constData());
        return {Kind::CannotWrite, systemReason(written ? errno : writeError), {}};
    }
    if (m_beforeRename && !m_beforeRename())
        return {Kind::Interrupted, {}, {}};
    if (::rename(newFile.constData(), m_path.constData()) != 0) {
        const int renameError = errno;
        ::unlink(newFile.constData());
        return {Kind::CannotWrite, systemReason(renameError), {}};
    }
    // The rename itself is on the disk once the folder is.
    const int folder = ::open(splitPath(m_path).folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return {what == Change::Add ? Kind::Added : Kind::Removed, {}, {}};
}

} // namespace lexiwren
