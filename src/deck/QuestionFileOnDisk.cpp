// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// readQuestionFile: the file system side of loading a question file.
#include "QuestionFile.h"

#include "LineCollector.h"

#include <QFile>

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexiwren {
namespace {

constexpr qsizetype ChunkBytes = qsizetype(64) * 1024;

QuestionFileError errorFromErrno(int error)
{
    using Kind = QuestionFileError::Kind;
    if (error == ENOENT || error == ENOTDIR)
        return {Kind::Missing, 0, {}};
    return {Kind::Unreadable, 0, QString::fromStdString(std::generic_category().message(error))};
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

QuestionFileResult readQuestionFile(const QString &path)
{
    return readQuestionFile(QFile::encodeName(path));
}

QuestionFileResult readQuestionFile(const QByteArray &localPath)
{
    const QuestionFileError notRegular{QuestionFileError::Kind::NotRegularFile, 0, {}};

    // Look before opening: opening a FIFO or a device can block or have effects.
    struct stat info
    {
    };
    if (::stat(localPath.constData(), &info) != 0)
        return errorFromErrno(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular;

    // The name may have been swapped for something else since; the descriptor decides.
    const FileDescriptor file(::open(localPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return errorFromErrno(errno);
    if (::fstat(file.get(), &info) != 0)
        return errorFromErrno(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular;

    LineCollector collector;
    QByteArray chunk(ChunkBytes, Qt::Uninitialized); // not on the stack: callers may be threads with small stacks
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk.data(), static_cast<size_t>(chunk.size()));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errorFromErrno(errno);
        }
        if (got == 0 || !collector.feed(QByteArrayView(chunk.data(), got)))
            break;
    }
    return collector.finish();
}

} // namespace lexiwren
