#pragma once

#include "platform/error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace parkwen {

// Joins a folder path and a name with the platform's separator ("/" here).
QString joinPath(const QString& folder, const QString& name);
// The last name of a path: the characters after the last separator.
QString lastName(const QString& path);
// The folder that holds `path` ("/" for a name directly under the root).
QString parentFolder(const QString& path);
QByteArray parentFolder(const QByteArray& path);
// Sort order of every lister: ignoring case, ties broken by the exact name so the order is stable.
bool lessIgnoringCase(const QString& a, const QString& b);
void sortIgnoringCase(QStringList& names);
// "*.jpg"-style pattern match ignoring case ("*" and "?" wildcards).
bool matchesPattern(const QString& name, const QString& pattern);

// What tells whether a file changed: its size and last modification time, and what no program can
// set: the time its inode last changed (every write, rename or change of times moves it) and the
// inode itself. A file replaced by another of the same size and modification time, or written
// back with its old time, gets another stamp.
struct FileStamp
{
    qint64 size = -1;      // -1 when the path is not an ordinary file
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    qint64 changedNs = 0;  // nanoseconds since the epoch; 0 where the platform has no such time
    qint64 inode = 0;
    qint64 device = 0;
    bool isFile() const { return size >= 0; }
    bool operator==(const FileStamp& other) const = default;
};

// A lock between processes on one folder. The system drops it when the process ends, so it never
// outlives a crash; destroying the object releases it.
class FolderLock
{
public:
    virtual ~FolderLock() = default;
};

// Exclusive: one process changes the folder. Shared: any number of processes read it, and none
// changes it meanwhile.
enum class LockKind { Exclusive, Shared };

// Everything the program does to the disk goes through this interface, so that tests can inject
// failures the real disk will not produce on demand.
class FileSystem
{
public:
    // Parameter files and set files are a few kilobytes; anything this large is not one.
    static constexpr qint64 MaxTextFileBytes = 16 * 1024 * 1024;

    virtual ~FileSystem() = default;

    // Sub-folders of `folder` as full paths, sorted ignoring case; hidden folders left out.
    // Fails with 76 when `folder` does not exist.
    virtual Result<QStringList> listFolders(const QString& folder) = 0;
    // Names of the ordinary files directly inside `folder` matching `pattern` ignoring case, sorted
    // ignoring case; read-only files included, hidden files (".name") left out. An empty list when the
    // folder does not exist.
    virtual QStringList listFiles(const QString& folder, const QString& pattern = QStringLiteral("*")) = 0;
    // The name of the entry in `folder` that is `name`: the exact name when it exists, else the first
    // entry equal to it ignoring case, else `name` itself.
    virtual QString resolve(const QString& folder, const QString& name) = 0;

    virtual bool exists(const QString& path) = 0;
    virtual bool isFolder(const QString& path) = 0;
    // -1 when the file does not exist.
    virtual qint64 fileSize(const QString& path) = 0;
    // The stamp of an ordinary file. Safe to call from several threads at once.
    virtual FileStamp stamp(const QString& path);

    // 75 when something of that name exists, 76 when the parent is missing.
    virtual Error createFolder(const QString& path) = 0;
    // 75 when the folder is not empty, 76 when it is missing.
    virtual Error removeFolder(const QString& path) = 0;
    // Copies an ordinary file, overwriting the target (never through a link), with the source's
    // permissions and modification time. On success the copy has all of the source's bytes.
    virtual Error copyFile(const QString& source, const QString& target) = 0;
    // 75 for a read-only file, 53 for a missing one.
    virtual Error deleteFile(const QString& path) = 0;
    // Gives the owner read and write permission (and keeps a folder's search permission).
    virtual Error setNormal(const QString& path) = 0;
    virtual Error setReadOnly(const QString& path) = 0;
    virtual bool isReadOnly(const QString& path) = 0;
    // Renames within one file system, replacing the target; atomic on the platform.
    virtual Error rename(const QString& source, const QString& target) = 0;
    // Flushes a file's data, or a folder's entries, to the disk.
    virtual Error sync(const QString& path) = 0;

    // Whether `path` can go to the desktop's trash: a trash exists, or can be made, on its file
    // system.
    virtual bool trashAvailable(const QString& path) = 0;
    // Moves a file or folder into the desktop's trash (a link goes as the link). 70 when it cannot.
    // The trash remembers it as `shownAs` when given (the place it is restored to), else as `path`.
    virtual Error moveToTrash(const QString& path, const QString& shownAs = QString()) = 0;

    // Takes the lock on `folder` (a link to a folder locks the folder) without waiting: null when
    // another process holds it in a way that shuts this one out. Within one process an exclusive
    // lock covers shared ones, and taking a lock again while it is held succeeds; an exclusive lock
    // waits for the shared ones of its own process to end, as it does for other processes'.
    // A file system that cannot lock gives a lock that locks nothing.
    virtual std::unique_ptr<FolderLock> tryLockFolder(const QString& folder,
                                                      LockKind kind = LockKind::Exclusive);

    // --- Whole folder trees ---
    // These take the system's own path bytes (QFile::encodeName of a folder, then raw names), so a
    // name that is not valid text passes through unchanged. None of them follows a link: a link is
    // read, made, renamed and removed as the link itself. The defaults fail with 5; the local disk
    // implements them.
    struct NodeInfo
    {
        enum class Kind { Missing, File, Folder, Link, Other };
        Kind kind = Kind::Missing;
        quint32 mode = 0; // permission bits
        qint64 size = 0;
        qint64 device = -1;
        qint64 modifiedNs = 0; // nanoseconds since the epoch
        bool readOnly() const { return kind != Kind::Link && !(mode & 0200); }
    };
    virtual NodeInfo nodeInfo(const QByteArray& path);
    // Every entry of a folder, hidden ones included, sorted by their bytes.
    virtual Result<QList<QByteArray>> nodeNames(const QByteArray& folder);
    // A new folder that only the owner can use until copyNodeAttributes gives it its own.
    virtual Error makeNodeFolder(const QByteArray& path);
    // A new file with the content, permissions and modification time of `source`; 75 when `target`
    // exists.
    virtual Error copyNodeFile(const QByteArray& source, const QByteArray& target);
    // Gives `target` the permissions and modification time of `source` (folders, once filled).
    virtual Error copyNodeAttributes(const QByteArray& source, const QByteArray& target);
    virtual Result<QByteArray> nodeLinkTarget(const QByteArray& path);
    virtual Error makeNodeLink(const QByteArray& linkTarget, const QByteArray& path);
    // Renames within one file system; 75 when `target` exists (never replaces it), 74 when the two
    // are on different file systems.
    virtual Error renameNode(const QByteArray& source, const QByteArray& target);
    // Removes a file, a link or an empty folder, whatever its permissions.
    virtual Error removeNode(const QByteArray& path);
    // Gives the owner read, write and search permission on a folder.
    virtual Error makeNodeWritable(const QByteArray& path);
    // Flushes a folder's entries to the disk.
    virtual Error syncNode(const QByteArray& path);
    // Flushes everything written to the file system that holds `path`.
    virtual Error syncNodeFileSystem(const QByteArray& path);
    // Removes a whole tree, whatever its permissions; a link is removed as the link, and nothing is
    // ever followed, even when a folder of the tree is swapped for a link while it is removed.
    virtual Error removeNodeTree(const QByteArray& path);
    // The path with every link resolved (a folder linked into place gives where it really is); the
    // path itself when it cannot be resolved.
    virtual QByteArray realNodePath(const QByteArray& path);

    // --- Writing beneath a folder ---
    // `relative` is a path of system bytes beneath the folder `root` ("a/b/c"; an empty, "." or ".."
    // name fails with 5). Every name on the way is opened beneath the one before it and never
    // followed when it is a link: a link or a file where a folder is needed fails with 75, so nothing
    // written here can land outside `root`. The defaults fail with 5; the local disk implements them.

    // A file being written; closed (without flushing) when destroyed.
    class NewFile
    {
    public:
        virtual ~NewFile() = default;
        virtual Error write(qint64 offset, const char* data, qint64 size) = 0;
        // Cuts or extends (with a hole) the file to `size` bytes.
        virtual Error resize(qint64 size) = 0;
        // Flushes the file's data to the disk.
        virtual Error flush() = 0;
        virtual Error close() = 0;
    };
    // Makes the folder `relative` and every missing folder above it; a folder already there is fine.
    virtual Error makeFolderBeneath(const QByteArray& root, const QByteArray& relative);
    // Creates the new, empty file `relative` in an existing folder: 75 when anything has that name.
    virtual Result<std::unique_ptr<NewFile>> createFileBeneath(const QByteArray& root,
                                                               const QByteArray& relative);
    // Makes the link `relative` (leading to `linkTarget`, as given) in an existing folder; 75 when
    // anything has that name.
    virtual Error makeLinkBeneath(const QByteArray& root, const QByteArray& relative,
                                  const QByteArray& linkTarget);
    // Copies the ordinary file `source` (a link there is refused, not followed) to the new file
    // `target`, both beneath `root`; 75 when anything has the target's name. No partial copy is left.
    virtual Error copyFileBeneath(const QByteArray& root, const QByteArray& source, const QByteArray& target);

    // The whole of an ordinary file (a link counts when it leads to one) of at most MaxTextFileBytes:
    // parameter files and set files. Anything else (a FIFO, a device, a folder, a larger file) is
    // refused with a message-ready error, never read.
    virtual Result<QByteArray> readFile(const QString& path) = 0;
    // The same for files of up to `maxBytes` (pictures); the default reads through readFile.
    virtual Result<QByteArray> readBytes(const QString& path, qint64 maxBytes);
    // Writes the whole file (creating or truncating it); never through a link at `path`.
    virtual Error writeFile(const QString& path, const QByteArray& bytes) = 0;
    // Writes a new temporary file beside `path` (a unique name, created exclusively), flushes it and
    // renames it over `path`: the file is either the old one or the new one, never half-written, and
    // a link at `path` is replaced, not written through. The temporary file is gone after a failure.
    virtual Error writeFileAtomic(const QString& path, const QByteArray& bytes) = 0;
    // The same with a copy of the ordinary file `source`, which keeps its permissions and times.
    virtual Error replaceFileAtomic(const QString& source, const QString& target) = 0;
};

} // namespace parkwen
