// The whole-tree operations of the local disk: POSIX calls on raw path bytes, never following links.

#include "platform/qt/filecopy.h"
#include "platform/qt/localfilesystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parkwen {

namespace {

struct Fd
{
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Every name of an open folder but "." and "..", in the folder's order; closes the folder.
Result<QList<QByteArray>> readNames(DIR* dir)
{
    QList<QByteArray> names;
    int failure = 0;
    for (;;) {
        // readdir reports a failure only through errno, which anything in the loop may have set.
        errno = 0;
        dirent* entry = ::readdir(dir);
        if (!entry) {
            failure = errno;
            break;
        }
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        names << QByteArray(n);
    }
    ::closedir(dir);
    if (failure)
        return Error::fromErrno(failure);
    return names;
}

} // namespace

FileSystem::NodeInfo LocalFileSystem::nodeInfo(const QByteArray& path)
{
    NodeInfo info;
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return info;
    if (S_ISREG(st.st_mode))
        info.kind = NodeInfo::Kind::File;
    else if (S_ISDIR(st.st_mode))
        info.kind = NodeInfo::Kind::Folder;
    else if (S_ISLNK(st.st_mode))
        info.kind = NodeInfo::Kind::Link;
    else
        info.kind = NodeInfo::Kind::Other;
    info.mode = st.st_mode & 07777;
    info.size = st.st_size;
    info.device = qint64(st.st_dev);
    info.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec);
    return info;
}

Result<QList<QByteArray>> LocalFileSystem::nodeNames(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return Error::fromErrno(errno);
    Result<QList<QByteArray>> names = readNames(dir);
    if (names.ok())
        std::sort(names.value().begin(), names.value().end());
    return names;
}

Error LocalFileSystem::makeNodeFolder(const QByteArray& path)
{
    if (::mkdir(path.constData(), 0700) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::copyNodeFile(const QByteArray& source, const QByteArray& target)
{
    Fd in{::open(source.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)};
    if (in.fd < 0)
        return errno == ENOENT ? Error::of(err::FileNotFound) : Error::fromErrno(errno);
    struct stat st;
    if (::fstat(in.fd, &st) != 0)
        return Error::fromErrno(errno);
    if (!S_ISREG(st.st_mode))
        return Error::of(err::PathFileAccess);
    Fd out{::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)};
    if (out.fd < 0)
        return Error::fromErrno(errno);
    if (Error e = copyFileBytes(in.fd, out.fd))
        return e;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::fchmod(out.fd, st.st_mode & 07777) != 0 || ::futimens(out.fd, times) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::copyNodeAttributes(const QByteArray& source, const QByteArray& target)
{
    struct stat st;
    if (::lstat(source.constData(), &st) != 0)
        return Error::fromErrno(errno);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (S_ISLNK(st.st_mode)) {
        // A link has no permissions of its own; only its times are kept.
        if (::utimensat(AT_FDCWD, target.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
            return Error::fromErrno(errno);
        return {};
    }
    struct stat t;
    if (::lstat(target.constData(), &t) != 0)
        return Error::fromErrno(errno);
    if (S_ISLNK(t.st_mode))
        return Error::of(err::PathFileAccess);
    if (::chmod(target.constData(), st.st_mode & 07777) != 0 ||
        ::utimensat(AT_FDCWD, target.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        return Error::fromErrno(errno);
    return {};
}

Result<QByteArray> LocalFileSystem::nodeLinkTarget(const QByteArray& path)
{
    QByteArray buffer(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(path.constData(), buffer.data(), size_t(buffer.size()));
        if (n < 0)
            return Error::fromErrno(errno);
        if (n < buffer.size()) {
            buffer.truncate(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

Error LocalFileSystem::makeNodeLink(const QByteArray& linkTarget, const QByteArray& path)
{
    if (::symlink(linkTarget.constData(), path.constData()) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::renameNode(const QByteArray& source, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return Error::fromErrno(errno);
    // A file system without the no-replace flag: check first (the window is the program's own).
    struct stat st;
    if (::lstat(target.constData(), &st) == 0)
        return Error::of(err::PathFileAccess);
    if (::rename(source.constData(), target.constData()) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::removeNode(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return Error::fromErrno(errno);
    if (S_ISDIR(st.st_mode) ? ::rmdir(path.constData()) != 0 : ::unlink(path.constData()) != 0)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::makeNodeWritable(const QByteArray& path)
{
    // Opened without following, so a folder swapped for a link is never changed through it.
    Fd fd{::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
    if (fd.fd < 0)
        return errno == ELOOP || errno == ENOTDIR ? Error() : Error::fromErrno(errno);
    struct stat st;
    if (::fstat(fd.fd, &st) != 0)
        return Error::fromErrno(errno);
    if ((st.st_mode & S_IRWXU) == S_IRWXU)
        return {};
    if (::fchmod(fd.fd, (st.st_mode & 07777) | S_IRWXU) != 0)
        return Error::fromErrno(errno);
    return {};
}

namespace {

// Empties the folder open at `folder`, then nothing else: every entry is reached through the
// folder's descriptor and opened without following links, so a folder of the tree swapped for a
// link while this runs has the link removed, never what it points to.
Error emptyFolderAt(int folder, int depth)
{
    if (depth > 256)
        return Error::fromErrno(ELOOP);
    const int listFd = ::dup(folder);
    if (listFd < 0)
        return Error::fromErrno(errno);
    DIR* dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return Error::fromErrno(errno);
    }
    const Result<QList<QByteArray>> names = readNames(dir);
    if (!names.ok())
        return names.error();
    for (const QByteArray& name : names.value()) {
        if (::unlinkat(folder, name.constData(), 0) == 0 || errno == ENOENT)
            continue;
        if (errno != EISDIR && errno != EPERM)
            return Error::fromErrno(errno);
        Fd sub{::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
        if (sub.fd < 0) {
            // A read-only folder cannot be listed or emptied until its owner may.
            struct stat st;
            if (errno != EACCES || ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
                !S_ISDIR(st.st_mode) ||
                ::fchmodat(folder, name.constData(), (st.st_mode & 07777) | S_IRWXU, 0) != 0)
                return Error::fromErrno(errno);
            sub.fd = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub.fd < 0)
                return Error::fromErrno(errno);
        }
        struct stat st;
        if (::fstat(sub.fd, &st) != 0)
            return Error::fromErrno(errno);
        if ((st.st_mode & S_IRWXU) != S_IRWXU && ::fchmod(sub.fd, (st.st_mode & 07777) | S_IRWXU) != 0)
            return Error::fromErrno(errno);
        if (Error e = emptyFolderAt(sub.fd, depth + 1))
            return e;
        if (::unlinkat(folder, name.constData(), AT_REMOVEDIR) != 0 && errno != ENOENT)
            return Error::fromErrno(errno);
    }
    return {};
}

} // namespace

Error LocalFileSystem::removeNodeTree(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT ? Error() : Error::fromErrno(errno);
    if (!S_ISDIR(st.st_mode))
        return removeNode(path);
    if (Error e = makeNodeWritable(path))
        return e;
    Fd fd{::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
    if (fd.fd < 0) {
        // Swapped for a link since: the link goes, as any link does.
        if (errno == ELOOP || errno == ENOTDIR)
            return removeNode(path);
        return Error::fromErrno(errno);
    }
    if (Error e = emptyFolderAt(fd.fd, 0))
        return e;
    return removeNode(path);
}

QByteArray LocalFileSystem::realNodePath(const QByteArray& path)
{
    char* real = ::realpath(path.constData(), nullptr);
    if (!real)
        return path;
    const QByteArray result(real);
    ::free(real);
    return result;
}

Error LocalFileSystem::syncNode(const QByteArray& path)
{
    Fd fd{::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)};
    if (fd.fd < 0)
        return Error::fromErrno(errno);
    if (::fsync(fd.fd) != 0 && errno != EINVAL)
        return Error::fromErrno(errno);
    return {};
}

Error LocalFileSystem::syncNodeFileSystem(const QByteArray& path)
{
    Fd fd{::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)};
    if (fd.fd < 0)
        return Error::fromErrno(errno);
    if (::syncfs(fd.fd) != 0)
        return Error::fromErrno(errno);
    return {};
}

} // namespace parkwen
