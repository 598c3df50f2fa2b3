#include "platform/qt/regularfile.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parkwen {

QString notOrdinaryFileText(const QString& path)
{
    return QCoreApplication::translate("FileSystem", "%1 is not an ordinary file").arg(path);
}

QString tooLargeText(const QString& path, qint64 maxBytes)
{
    return QCoreApplication::translate("FileSystem", "%1 is larger than %2 MB")
        .arg(path)
        .arg(maxBytes / (1024 * 1024));
}

Result<RegularFile> RegularFile::open(const QString& path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    const auto refused = [&](const QString& text) {
        return Error(err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(": ") + text);
    };
    // Looked at before opening: opening some devices has effects of its own.
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return errno == ENOENT ? Error::of(err::FileNotFound) : Error::fromErrno(errno);
    if (!S_ISREG(st.st_mode))
        return refused(notOrdinaryFileText(path));
    // O_NONBLOCK: should a FIFO have taken the file's place since, opening it does not wait for a writer.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Error::of(err::FileNotFound) : Error::fromErrno(errno);
    RegularFile file(fd, 0);
    if (::fstat(fd, &st) != 0)
        return Error::fromErrno(errno);
    if (!S_ISREG(st.st_mode))
        return refused(notOrdinaryFileText(path));
    if (st.st_size > maxBytes)
        return refused(tooLargeText(path, maxBytes));
    file.m_size = st.st_size;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return Result<RegularFile>(std::move(file));
}

RegularFile::RegularFile(RegularFile&& other) noexcept : m_fd(other.m_fd), m_size(other.m_size)
{
    other.m_fd = -1;
}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        m_size = other.m_size;
        other.m_fd = -1;
    }
    return *this;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int RegularFile::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

} // namespace parkwen
