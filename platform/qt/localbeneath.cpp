// Writing beneath a folder on the local disk: every name is opened with openat beneath the folder
// before it, with O_NOFOLLOW, so a link anywhere on the way stops the write instead of leading it
// elsewhere.

#include "platform/qt/filecopy.h"
#include "platform/qt/localfilesystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace parkwen {

namespace {

class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept
    {
        reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// A link met where a folder or a new name was expected is an access error like any other name that
// is in the way ("Too many levels of symbolic links" would only puzzle).
Error beneathError(int e)
{
    return e == ELOOP ? Error::of(err::PathFileAccess) : Error::fromErrno(e);
}

// The names of a relative path; false when there are none or one is empty, "." or "..".
bool splitRelative(const QByteArray& relative, QList<QByteArray>& names)
{
    names = relative.split('/');
    for (const QByteArray& name : std::as_const(names))
        if (name.isEmpty() || name == "." || name == "..")
            return false;
    return !names.isEmpty();
}

// Opens the folder made of the first `count` names beneath `root`, making missing ones when
// `make`. Never follows a link, not even one that leads to a folder.
Result<int> openFolderBeneath(const QByteArray& root, const QList<QByteArray>& names, qsizetype count,
                              bool make)
{
    Fd fd(::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return Error::fromErrno(errno);
    for (qsizetype i = 0; i < count; ++i) {
        const char* name = names[i].constData();
        constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        int next = ::openat(fd.get(), name, flags);
        if (next < 0 && errno == ENOENT && make) {
            if (::mkdirat(fd.get(), name, 0777) != 0 && errno != EEXIST)
                return Error::fromErrno(errno);
            next = ::openat(fd.get(), name, flags);
        }
        if (next < 0)
            return beneathError(errno);
        fd.reset(next);
    }
    return fd.release();
}

class LocalNewFile : public FileSystem::NewFile
{
public:
    explicit LocalNewFile(int fd) : m_fd(fd) {}
    Error write(qint64 offset, const char* data, qint64 size) override
    {
        while (size > 0) {
            const ssize_t n = ::pwrite(m_fd.get(), data, size_t(size), off_t(offset));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return Error::fromErrno(errno);
            }
            data += n;
            offset += n;
            size -= n;
        }
        return {};
    }
    Error resize(qint64 size) override
    {
        if (::ftruncate(m_fd.get(), off_t(size)) != 0)
            return Error::fromErrno(errno);
        return {};
    }
    Error flush() override
    {
        if (::fsync(m_fd.get()) != 0 && errno != EINVAL)
            return Error::fromErrno(errno);
        return {};
    }
    Error close() override
    {
        if (!m_fd.valid())
            return {};
        if (::close(m_fd.release()) != 0 && errno != EINTR)
            return Error::fromErrno(errno);
        return {};
    }

private:
    Fd m_fd;
};

// Opens the folder that holds the last name of `relative` (which must exist) and gives that name.
Result<int> openParentBeneath(const QByteArray& root, const QByteArray& relative, QByteArray& last)
{
    QList<QByteArray> names;
    if (!splitRelative(relative, names))
        return Error::of(err::InvalidCall);
    last = names.last();
    return openFolderBeneath(root, names, names.size() - 1, false);
}

// A new file of that name in the folder, created exclusively: whatever already has the name, a link
// above all, is never opened.
Result<int> createIn(int folder, const QByteArray& name)
{
    const int fd =
        ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return beneathError(errno);
    return fd;
}

} // namespace

Error LocalFileSystem::makeFolderBeneath(const QByteArray& root, const QByteArray& relative)
{
    QList<QByteArray> names;
    if (!splitRelative(relative, names))
        return Error::of(err::InvalidCall);
    Result<int> folder = openFolderBeneath(root, names, names.size(), true);
    if (!folder.ok())
        return folder.error();
    ::close(folder.value());
    return {};
}

Result<std::unique_ptr<FileSystem::NewFile>> LocalFileSystem::createFileBeneath(const QByteArray& root,
                                                                                const QByteArray& relative)
{
    QByteArray name;
    Result<int> parent = openParentBeneath(root, relative, name);
    if (!parent.ok())
        return parent.error();
    const Fd folder(parent.value());
    Result<int> file = createIn(folder.get(), name);
    if (!file.ok())
        return file.error();
    return std::unique_ptr<NewFile>(std::make_unique<LocalNewFile>(file.value()));
}

Error LocalFileSystem::makeLinkBeneath(const QByteArray& root, const QByteArray& relative,
                                       const QByteArray& linkTarget)
{
    QByteArray name;
    Result<int> parent = openParentBeneath(root, relative, name);
    if (!parent.ok())
        return parent.error();
    const Fd folder(parent.value());
    if (::symlinkat(linkTarget.constData(), folder.get(), name.constData()) != 0)
        return beneathError(errno);
    return {};
}

Error LocalFileSystem::copyFileBeneath(const QByteArray& root, const QByteArray& source,
                                       const QByteArray& target)
{
    QByteArray sourceName;
    Result<int> sourceParent = openParentBeneath(root, source, sourceName);
    if (!sourceParent.ok())
        return sourceParent.error();
    Fd in;
    {
        const Fd folder(sourceParent.value());
        // O_NONBLOCK: a pipe of that name must not hang the open; it is refused below.
        in.reset(
            ::openat(folder.get(), sourceName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!in.valid())
            return beneathError(errno);
    }
    struct stat st;
    if (::fstat(in.get(), &st) != 0)
        return Error::fromErrno(errno);
    if (!S_ISREG(st.st_mode))
        return Error::of(err::PathFileAccess);
    ::fcntl(in.get(), F_SETFL, ::fcntl(in.get(), F_GETFL) & ~O_NONBLOCK);

    QByteArray targetName;
    Result<int> targetParent = openParentBeneath(root, target, targetName);
    if (!targetParent.ok())
        return targetParent.error();
    const Fd folder(targetParent.value());
    Result<int> created = createIn(folder.get(), targetName);
    if (!created.ok())
        return created.error();
    Fd out(created.value());
    Error e = copyFileBytes(in.get(), out.get());
    if (!e && ::close(out.release()) != 0 && errno != EINTR)
        e = Error::fromErrno(errno);
    if (e)
        ::unlinkat(folder.get(), targetName.constData(), 0);
    return e;
}

} // namespace parkwen
