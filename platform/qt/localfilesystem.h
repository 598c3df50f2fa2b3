#pragma once

#include "platform/filesystem.h"

namespace parkwen {

// The machine's own disk, through POSIX calls. Reads refuse anything but ordinary files; writes
// never go through a link.
class LocalFileSystem : public FileSystem
{
public:
    Result<QStringList> listFolders(const QString& folder) override;
    QStringList listFiles(const QString& folder, const QString& pattern) override;
    QString resolve(const QString& folder, const QString& name) override;
    bool exists(const QString& path) override;
    bool isFolder(const QString& path) override;
    qint64 fileSize(const QString& path) override;
    FileStamp stamp(const QString& path) override;
    Error createFolder(const QString& path) override;
    Error removeFolder(const QString& path) override;
    Error copyFile(const QString& source, const QString& target) override;
    Error deleteFile(const QString& path) override;
    Error setNormal(const QString& path) override;
    Error setReadOnly(const QString& path) override;
    bool isReadOnly(const QString& path) override;
    Error rename(const QString& source, const QString& target) override;
    Error sync(const QString& path) override;
    bool trashAvailable(const QString& path) override;
    Error moveToTrash(const QString& path, const QString& shownAs = QString()) override;
    std::unique_ptr<FolderLock> tryLockFolder(const QString& folder,
                                              LockKind kind = LockKind::Exclusive) override;
    NodeInfo nodeInfo(const QByteArray& path) override;
    Result<QList<QByteArray>> nodeNames(const QByteArray& folder) override;
    Error makeNodeFolder(const QByteArray& path) override;
    Error copyNodeFile(const QByteArray& source, const QByteArray& target) override;
    Error copyNodeAttributes(const QByteArray& source, const QByteArray& target) override;
    Result<QByteArray> nodeLinkTarget(const QByteArray& path) override;
    Error makeNodeLink(const QByteArray& linkTarget, const QByteArray& path) override;
    Error renameNode(const QByteArray& source, const QByteArray& target) override;
    Error removeNode(const QByteArray& path) override;
    Error makeNodeWritable(const QByteArray& path) override;
    Error syncNode(const QByteArray& path) override;
    Error syncNodeFileSystem(const QByteArray& path) override;
    Error removeNodeTree(const QByteArray& path) override;
    QByteArray realNodePath(const QByteArray& path) override;
    Error makeFolderBeneath(const QByteArray& root, const QByteArray& relative) override;
    Result<std::unique_ptr<NewFile>> createFileBeneath(const QByteArray& root,
                                                       const QByteArray& relative) override;
    Error makeLinkBeneath(const QByteArray& root, const QByteArray& relative,
                          const QByteArray& linkTarget) override;
    Error copyFileBeneath(const QByteArray& root, const QByteArray& source,
                          const QByteArray& target) override;
    Result<QByteArray> readFile(const QString& path) override;
    Result<QByteArray> readBytes(const QString& path, qint64 maxBytes) override;
    Error writeFile(const QString& path, const QByteArray& bytes) override;
    Error writeFileAtomic(const QString& path, const QByteArray& bytes) override;
    Error replaceFileAtomic(const QString& source, const QString& target) override;

    // How many names an atomic write tries for its temporary file before it gives up.
    static constexpr int MaxTemporaryAttempts = 64;

protected:
    // The name of the temporary file of an atomic write, tried in turn for attempt 0, 1, ... while
    // the name is taken: a hidden name, random here.
    virtual QString temporaryName(int attempt);

private:
    class TemporaryFile;
};

} // namespace parkwen
