#include "localfilesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parkwen {

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

struct FdCloser
{
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads a folder once; calls `visit(name, isFolder)` for every entry but "." and "..".
template <typename Visit> bool readFolder(const QString& folder, Visit visit)
{
    const QByteArray path = native(folder);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return false;
    while (dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        bool folderEntry = false;
        bool fileEntry = false;
        if (entry->d_type == DT_DIR) {
            folderEntry = true;
        } else if (entry->d_type == DT_REG) {
            fileEntry = true;
        } else {
            // Links and file systems that do not fill d_type: ask the inode.
            struct stat st;
            const QByteArray full = path + '/' + n;
            if (::stat(full.constData(), &st) == 0) {
                folderEntry = S_ISDIR(st.st_mode);
                fileEntry = S_ISREG(st.st_mode);
            }
        }
        if (folderEntry || fileEntry)
            visit(QFile::decodeName(n), folderEntry);
    }
    ::closedir(dir);
    return true;
}

} // namespace

Result<QStringList> LocalFileSystem::listFolders(const QString& folder)
{
    QStringList names;
    if (!readFolder(folder, [&](const QString& name, bool isDir) {
            if (isDir && !name.startsWith(QLatin1Char('.')))
                names << name;
        }))
        return Error::fromErrno(errno == ENOTDIR ? ENOENT : errno);
    sortIgnoringCase(names);
    for (QString& n : names)
        n = joinPath(folder, n);
    return names;
}

QStringList LocalFileSystem::listFiles(const QString& folder, const QString& pattern)
{
    QStringList names;
    readFolder(folder, [&](const QString& name, bool isDir) {
        if (!isDir && !name.startsWith(QLatin1Char('.')) && matchesPattern(name, pattern))
            names << name;
    });
    sortIgnoringCase(names);
    return names;
}

QString LocalFileSystem::resolve(const QString& folder, const QString& name)
{
    if (exists(joinPath(folder, name)))
        return name;
    QStringList matches;
    readFolder(folder, [&](const QString& entry, bool) {
        if (QString::compare(entry, name, Qt::CaseInsensitive) == 0)
            matches << entry;
    });
    if (matches.isEmpty())
        return name;
    sortIgnoringCase(matches);
    return matches.first();
}

bool LocalFileSystem::exists(const QString& path)
{
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0;
}

bool LocalFileSystem::isFolder(const QString& path)
{
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

qint64 LocalFileSystem::fileSize(const QString& path)
{
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return st.st_size;
}

FileStamp LocalFileSystem::stamp(const QString& path)
{
    struct stat st;
    if (::stat(native(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec)};
}

Error LocalFileSystem::createFolder(const QString& path)
{
    if (::mkdir(native(path).constData(), 0777) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::removeFolder(const QString& path)
{
    if (::rmdir(native(path).constData()) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::copyFile(const QString& source, const QString& target)
{
    const int in = ::open(native(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno == ENOENT ? Error::of(err::FileNotFound) : Error::fromErrno(errno);
    FdCloser closeIn{in};
    struct stat st;
    if (::fstat(in, &st) != 0)
        return Error::fromErrno(errno);
    if (!S_ISREG(st.st_mode))
        return Error::of(err::PathFileAccess);
    const int out = ::open(native(target).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0)
        return Error::fromErrno(errno);
    FdCloser closeOut{out};

    // copy_file_range lets the kernel copy (or share extents) without passing the bytes through us.
    off_t remaining = st.st_size;
    bool fallback = false;
    while (remaining > 0) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(remaining), 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) {
                fallback = true;
                break;
            }
            return Error::fromErrno(errno);
        }
        if (n == 0)
            break;
        remaining -= n;
    }
    if (fallback) {
        if (::lseek(in, 0, SEEK_SET) < 0 || ::ftruncate(out, 0) != 0 || ::lseek(out, 0, SEEK_SET) < 0)
            return Error::fromErrno(errno);
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(in, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return Error::fromErrno(errno);
            }
            if (n == 0)
                break;
            for (ssize_t done = 0; done < n;) {
                const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    return Error::fromErrno(errno);
                }
                done += w;
            }
        }
    }
    struct stat outSt;
    if (::fstat(out, &outSt) != 0)
        return Error::fromErrno(errno);
    if (outSt.st_size != st.st_size)
        return Error::of(err::DiskFull);
    return {};
}

Error LocalFileSystem::deleteFile(const QString& path)
{
    const QByteArray p = native(path);
    struct stat st;
    if (::lstat(p.constData(), &st) != 0)
        return Error::of(err::FileNotFound);
    // A file without the owner's write permission is protected, as on systems with a read-only flag.
    if (!(st.st_mode & S_IWUSR))
        return Error::of(err::PathFileAccess);
    if (::unlink(p.constData()) != 0)
        return errno == ENOENT ? Error::of(err::FileNotFound) : Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::setNormal(const QString& path)
{
    const QByteArray p = native(path);
    struct stat st;
    if (::stat(p.constData(), &st) != 0)
        return Error::fromErrno(errno);
    if (::chmod(p.constData(), (st.st_mode & 07777) | S_IRUSR | S_IWUSR) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::setReadOnly(const QString& path)
{
    const QByteArray p = native(path);
    struct stat st;
    if (::stat(p.constData(), &st) != 0)
        return Error::fromErrno(errno);
    if (::chmod(p.constData(), (st.st_mode & 07777) & ~(S_IWUSR | S_IWGRP | S_IWOTH)) != 0)
        return Error::fromErrno(errno);
    return {};
}

bool LocalFileSystem::isReadOnly(const QString& path)
{
    struct stat st;
    return ::stat(native(path).constData(), &st) == 0 && !(st.st_mode & S_IWUSR);
}

Error LocalFileSystem::rename(const QString& source, const QString& target)
{
    if (::rename(native(source).constData(), native(target).constData()) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::sync(const QString& path)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Error::fromErrno(errno);
    FdCloser closer{fd};
    if (::fsync(fd) != 0 && errno != EINVAL)
        return Error::fromErrno(errno);
    return {};
}

Result<QByteArray> LocalFileSystem::readFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return Error::of(err::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        return Error::of(file.error() == QFileDevice::PermissionsError ? err::PermissionDenied
                                                                       : err::PathFileAccess);
    return file.readAll();
}

Error LocalFileSystem::writeFile(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return Error::fromErrno(errno);
    FdCloser closer{fd};
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t w = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return Error::fromErrno(errno);
        }
        done += w;
    }
    return {};
}

} // namespace parkwen

namespace parkwen {

namespace {

// The device of `path`, or of its nearest existing ancestor; -1 when none can be read.
qint64 deviceOf(QString path)
{
    struct stat st;
    while (!path.isEmpty()) {
        if (::lstat(QFile::encodeName(path).constData(), &st) == 0)
            return qint64(st.st_dev);
        const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
        if (at < 0)
            break;
        path = at == 0 ? QStringLiteral("/") : path.left(at);
        if (path == QLatin1String("/") && ::lstat("/", &st) == 0)
            return qint64(st.st_dev);
    }
    return -1;
}

} // namespace

bool LocalFileSystem::trashAvailable(const QString& path)
{
    // The home trash serves every file on its own file system; elsewhere the file system needs a
    // trash folder of its own at its top (".Trash-<uid>", made on first use when the top is
    // writable), as the desktop's trash does it.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const qint64 device = deviceOf(path);
    if (device < 0)
        return false;
    if (!home.isEmpty() && deviceOf(home) == device)
        return true;
    QString top = QFileInfo(path).absolutePath();
    for (;;) {
        const qsizetype at = top.lastIndexOf(QLatin1Char('/'));
        if (at < 0)
            break;
        const QString up = at == 0 ? QStringLiteral("/") : top.left(at);
        if (up == top || deviceOf(up) != device)
            break;
        top = up;
    }
    const QString own = top + QStringLiteral("/.Trash-") + QString::number(::getuid());
    if (QFileInfo(own).isDir())
        return ::access(QFile::encodeName(own).constData(), W_OK) == 0;
    return ::access(QFile::encodeName(top).constData(), W_OK) == 0;
}

Error LocalFileSystem::moveToTrash(const QString& path)
{
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return Error::of(err::FileNotFound);
    if (!QFile::moveToTrash(path))
        return Error::of(err::PermissionDenied);
    return {};
}

} // namespace parkwen
