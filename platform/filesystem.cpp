#include "platform/filesystem.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace parkwen {

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString lastName(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at < 0 ? path : path.mid(at + 1);
}

QString parentFolder(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at <= 0 ? QStringLiteral("/") : path.left(at);
}

QByteArray parentFolder(const QByteArray& path)
{
    const qsizetype at = path.lastIndexOf('/');
    return at <= 0 ? QByteArray("/") : path.left(at);
}

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    return a < b;
}

void sortIgnoringCase(QStringList& names)
{
    std::sort(names.begin(), names.end(), lessIgnoringCase);
}

bool matchesPattern(const QString& name, const QString& pattern)
{
    if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
        return true;
    // The common "*.ext" form without building a regular expression.
    if (pattern.startsWith(QLatin1String("*.")) && !pattern.mid(1).contains(QLatin1Char('*')) &&
        !pattern.contains(QLatin1Char('?')))
        return name.endsWith(pattern.mid(1), Qt::CaseInsensitive);
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

FileStamp FileSystem::stamp(const QString& path)
{
    // Millisecond times where the platform has nothing finer.
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    FileStamp stamp;
    stamp.size = info.size();
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    stamp.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
    return stamp;
}

Result<QByteArray> FileSystem::readBytes(const QString& path, qint64 maxBytes)
{
    if (maxBytes > MaxTextFileBytes && fileSize(path) > MaxTextFileBytes)
        return Error::of(err::PathFileAccess);
    return readFile(path);
}

FileSystem::NodeInfo FileSystem::nodeInfo(const QByteArray&)
{
    return {};
}

Result<QList<QByteArray>> FileSystem::nodeNames(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::makeNodeFolder(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::copyNodeFile(const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::copyNodeAttributes(const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Result<QByteArray> FileSystem::nodeLinkTarget(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::makeNodeLink(const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::renameNode(const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::removeNode(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::makeNodeWritable(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::syncNode(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::syncNodeFileSystem(const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::removeNodeTree(const QByteArray& path)
{
    // By path, for file systems that only know the single-node operations (tests' fakes); the local
    // disk works by descriptors.
    const NodeInfo info = nodeInfo(path);
    if (info.kind == NodeInfo::Kind::Missing)
        return {};
    if (info.kind == NodeInfo::Kind::Folder) {
        if (Error e = makeNodeWritable(path))
            return e;
        Result<QList<QByteArray>> names = nodeNames(path);
        if (!names.ok())
            return names.error();
        for (const QByteArray& name : names.value())
            if (Error e = removeNodeTree(path + '/' + name))
                return e;
    }
    return removeNode(path);
}

QByteArray FileSystem::realNodePath(const QByteArray& path)
{
    return path;
}

std::unique_ptr<FolderLock> FileSystem::tryLockFolder(const QString&, LockKind)
{
    return std::make_unique<FolderLock>();
}

Error FileSystem::makeFolderBeneath(const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Result<std::unique_ptr<FileSystem::NewFile>> FileSystem::createFileBeneath(const QByteArray&,
                                                                           const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::makeLinkBeneath(const QByteArray&, const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

Error FileSystem::copyFileBeneath(const QByteArray&, const QByteArray&, const QByteArray&)
{
    return Error::of(err::InvalidCall);
}

} // namespace parkwen
