#pragma once

#include "platform/error.h"

#include <QString>

namespace parkwen {

// A read-only descriptor of an ordinary file, closed with the object.
class RegularFile
{
public:
    // Opens `path` for reading when it is an ordinary file (a link only when it leads to one) of at
    // most `maxBytes`. FIFOs, devices and folders are refused before anything is read, so opening
    // never blocks. Fails with 53 when nothing is there, 70 when the system refuses, and 75 with a
    // description naming the path when it is not an ordinary file or is too large.
    static Result<RegularFile> open(const QString& path, qint64 maxBytes);

    RegularFile() = default;
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    int handle() const { return m_fd; }
    qint64 size() const { return m_size; }
    // Gives the descriptor away: the caller closes it.
    int release();

private:
    RegularFile(int fd, qint64 size) : m_fd(fd), m_size(size) {}
    int m_fd = -1;
    qint64 m_size = 0;
};

// Descriptions of the refusals, for callers that report them under their own error number.
QString notOrdinaryFileText(const QString& path);
QString tooLargeText(const QString& path, qint64 maxBytes);

} // namespace parkwen
