// Folder locks between processes: flock on the folder itself. The kernel drops such a lock when the
// process ends, however it ends, so no lock file can outlive a crash.

#include "platform/qt/localfilesystem.h"

#include <QFile>
#include <QHash>
#include <QMutex>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parkwen {

namespace {

// A lock on one folder is shared by everything in this process that takes it: flock would make two
// descriptors of one process shut each other out.
struct HeldLock
{
    int fd = -1;
    int users = 0;
};

QMutex& heldMutex()
{
    static QMutex mutex;
    return mutex;
}

// One folder, locked one way.
struct LockKey
{
    quint64 device = 0;
    quint64 inode = 0;
    LockKind kind = LockKind::Exclusive;
    bool operator==(const LockKey&) const = default;
};

size_t qHash(const LockKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.device, key.inode, int(key.kind));
}

QHash<LockKey, HeldLock>& held()
{
    static QHash<LockKey, HeldLock> locks;
    return locks;
}

class SharedFolderLock : public FolderLock
{
public:
    explicit SharedFolderLock(LockKey key) : m_key(key) {}
    ~SharedFolderLock() override
    {
        QMutexLocker locker(&heldMutex());
        auto it = held().find(m_key);
        if (it == held().end() || --it->users > 0)
            return;
        ::close(it->fd); // closing the last descriptor releases the lock
        held().erase(it);
    }

private:
    LockKey m_key;
};

} // namespace

std::unique_ptr<FolderLock> LocalFileSystem::tryLockFolder(const QString& folder, LockKind kind)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return std::make_unique<FolderLock>(); // nothing there to protect yet
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return std::make_unique<FolderLock>();
    }
    const LockKey exclusive{quint64(st.st_dev), quint64(st.st_ino), LockKind::Exclusive};
    const LockKey key{exclusive.device, exclusive.inode, kind};
    QMutexLocker locker(&heldMutex());
    // A change this process is making covers its own readers; a second descriptor would shut them
    // out. The other way round, a change waits for this process's readers as for anyone's.
    for (const LockKey& covering : {exclusive, key}) {
        auto it = held().find(covering);
        if (it != held().end()) {
            ::close(fd);
            ++it->users;
            return std::make_unique<SharedFolderLock>(covering);
        }
    }
    if (::flock(fd, (kind == LockKind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd);
        if (why == EWOULDBLOCK || why == EINTR)
            return nullptr;
        // A file system without locks (some network and user-space ones): nothing to wait for.
        return std::make_unique<FolderLock>();
    }
    held().insert(key, HeldLock{fd, 1});
    return std::make_unique<SharedFolderLock>(key);
}

} // namespace parkwen
