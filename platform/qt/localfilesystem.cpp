#include "platform/qt/localfilesystem.h"
#include "platform/qt/filecopy.h"

#include "platform/qt/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
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

Error writeAll(int fd, const QByteArray& bytes)
{
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

} // namespace

Error copyFileBytes(int in, int out)
{
    struct stat st;
    if (::fstat(in, &st) != 0)
        return Error::fromErrno(errno);
    // copy_file_range lets the kernel copy (or share extents) without passing the bytes through us.
    // It may copy less than the size says, or nothing (some file systems, files whose size is not
    // known in advance); read and write then go on from where it stopped, up to the real end.
    qint64 copied = 0;
    while (copied < st.st_size) {
        const ssize_t n =
            ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(st.st_size - copied), 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF)
                break;
            return Error::fromErrno(errno);
        }
        if (n == 0)
            break;
        copied += n;
    }
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
        if (Error e = writeAll(out, QByteArray::fromRawData(buffer, n)))
            return e;
        copied += n;
    }
    struct stat outSt;
    if (::fstat(out, &outSt) != 0)
        return Error::fromErrno(errno);
    if (outSt.st_size != copied)
        return Error::of(err::DiskFull);
    return {};
}

namespace {

// Copies everything `in` holds from its start into the empty `out`, then gives `out` the
// permissions and times of `in`.
Error copyContents(int in, int out)
{
    if (Error e = copyFileBytes(in, out))
        return e;
    struct stat st;
    if (::fstat(in, &st) != 0)
        return Error::fromErrno(errno);
    if (::fchmod(out, st.st_mode & 0777) != 0)
        return Error::fromErrno(errno);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::futimens(out, times) != 0)
        return Error::fromErrno(errno);
    return {};
}

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

// A file written beside `target` under a new name, then renamed over it: the target is either
// the old file or the new one, never half-written. The name is created exclusively (O_EXCL with
// O_NOFOLLOW), so whatever already has that name, a link above all, is never written through; the
// file is removed unless committed. (QSaveFile would resolve a link at the target and write where
// it points.)
class LocalFileSystem::TemporaryFile
{
public:
    TemporaryFile(LocalFileSystem& fs, const QString& target) : m_fs(fs), m_target(target) {}
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty() && !m_committed)
            ::unlink(native(m_name).constData());
    }
    Error open()
    {
        const QString folder = folderOf(m_target);
        for (int attempt = 0; attempt < MaxTemporaryAttempts; ++attempt) {
            const QString name = joinPath(folder, m_fs.temporaryName(attempt));
            const int fd =
                ::open(native(name).constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_fd = fd;
                m_name = name;
                return {};
            }
            if (errno != EEXIST)
                return Error::fromErrno(errno);
        }
        return Error::of(err::PathFileAccess);
    }
    int handle() const { return m_fd; }
    Error commit()
    {
        if (::fsync(m_fd) != 0 && errno != EINVAL)
            return Error::fromErrno(errno);
        if (::rename(native(m_name).constData(), native(m_target).constData()) != 0)
            return Error::fromErrno(errno);
        m_committed = true;
        // The rename itself reaches the disk with the folder's entries.
        const int folder = ::open(native(folderOf(m_target)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        return {};
    }

private:
    static QString folderOf(const QString& path)
    {
        const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
        if (at < 0)
            return QStringLiteral(".");
        return at == 0 ? QStringLiteral("/") : path.left(at);
    }
    LocalFileSystem& m_fs;
    QString m_target;
    QString m_name;
    int m_fd = -1;
    bool m_committed = false;
};

QString LocalFileSystem::temporaryName(int /*attempt*/)
{
    static constexpr char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QStringLiteral(".parkwen-");
    for (int i = 0; i < 12; ++i)
        name += QLatin1Char(digits[QRandomGenerator::system()->bounded(36)]);
    return name + QStringLiteral(".tmp");
}

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
    FileStamp stamp;
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec);
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + qint64(st.st_ctim.tv_nsec);
    stamp.inode = qint64(st.st_ino);
    stamp.device = qint64(st.st_dev);
    return stamp;
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
    Result<RegularFile> in = RegularFile::open(source, std::numeric_limits<qint64>::max());
    if (!in.ok())
        return in.error();
    // O_NOFOLLOW: a link at the target's name is never written through.
    const int out =
        ::open(native(target).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (out < 0)
        return Error::fromErrno(errno == ELOOP ? EEXIST : errno);
    FdCloser closeOut{out};
    return copyContents(in.value().handle(), out);
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

namespace {

// Changes a node's permission bits by `change`, from what they are now.
Error changeMode(const QString& path, mode_t (*change)(mode_t))
{
    const QByteArray p = native(path);
    struct stat st;
    if (::stat(p.constData(), &st) != 0)
        return Error::fromErrno(errno);
    if (::chmod(p.constData(), change(st.st_mode & 07777)) != 0)
        return Error::fromErrno(errno);
    return {};
}

} // namespace

Error LocalFileSystem::setNormal(const QString& path)
{
    return changeMode(path, [](mode_t mode) -> mode_t { return mode | S_IRUSR | S_IWUSR; });
}

Error LocalFileSystem::setReadOnly(const QString& path)
{
    return changeMode(path, [](mode_t mode) -> mode_t { return mode & ~(S_IWUSR | S_IWGRP | S_IWOTH); });
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
    return LocalFileSystem::readBytes(path, MaxTextFileBytes);
}

Result<QByteArray> LocalFileSystem::readBytes(const QString& path, qint64 maxBytes)
{
    maxBytes = std::min(maxBytes, std::numeric_limits<qint64>::max() / 4);
    Result<RegularFile> file = RegularFile::open(path, maxBytes);
    if (!file.ok())
        return file.error();
    const int fd = file.value().handle();
    // Read straight into the result; the byte past the size tells the end without a second buffer.
    QByteArray bytes(qsizetype(std::min(file.value().size(), maxBytes)) + 1, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            // A file still growing while it is read is held to the same limit.
            if (have > maxBytes)
                return Error(err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(": ") +
                                                      tooLargeText(path, maxBytes));
            bytes.resize(qsizetype(std::min(qint64(have) * 2 + 65536, maxBytes + 1)));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Error::fromErrno(errno);
        }
        if (n == 0)
            break;
        have += n;
    }
    if (have > maxBytes)
        return Error(err::PathFileAccess, describeError(err::PathFileAccess) + QStringLiteral(": ") +
                                              tooLargeText(path, maxBytes));
    bytes.truncate(have);
    return bytes;
}

Error LocalFileSystem::writeFile(const QString& path, const QByteArray& bytes)
{
    const int fd =
        ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return Error::fromErrno(errno == ELOOP ? EEXIST : errno);
    FdCloser closer{fd};
    return writeAll(fd, bytes);
}

Error LocalFileSystem::writeFileAtomic(const QString& path, const QByteArray& bytes)
{
    TemporaryFile temp(*this, path);
    if (Error e = temp.open())
        return e;
    if (Error e = writeAll(temp.handle(), bytes))
        return e;
    // The new content keeps the permissions of the file it replaces; a new file gets what the umask
    // leaves, as any new file does.
    struct stat st;
    if (::lstat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::fchmod(temp.handle(), st.st_mode & 07777) != 0)
        return Error::fromErrno(errno);
    return temp.commit();
}

Error LocalFileSystem::replaceFileAtomic(const QString& source, const QString& target)
{
    Result<RegularFile> in = RegularFile::open(source, std::numeric_limits<qint64>::max());
    if (!in.ok())
        return in.error();
    TemporaryFile temp(*this, target);
    if (Error e = temp.open())
        return e;
    if (Error e = copyContents(in.value().handle(), temp.handle()))
        return e;
    return temp.commit();
}

} // namespace parkwen
