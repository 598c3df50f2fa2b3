#include "library/moveengine.h"

#include "library/enginepaths.h"

namespace parkwen {

using namespace enginepaths;

Error MoveEngine::removeTree(const QString& path)
{
    return removeTreeAt(native(path));
}

Error MoveEngine::copyTree(const QByteArray& source, const QByteArray& target)
{
    const FileSystem::NodeInfo info = m_fs.nodeInfo(source);
    switch (info.kind) {
    case Kind::File:
        return m_fs.copyNodeFile(source, target);
    case Kind::Link: {
        Result<QByteArray> linkTarget = m_fs.nodeLinkTarget(source);
        if (!linkTarget.ok())
            return linkTarget.error();
        if (Error e = m_fs.makeNodeLink(linkTarget.value(), target))
            return e;
        return m_fs.copyNodeAttributes(source, target);
    }
    case Kind::Folder: {
        if (Error e = m_fs.makeNodeFolder(target))
            return e;
        Result<QList<QByteArray>> names = m_fs.nodeNames(source);
        if (!names.ok())
            return names.error();
        for (const QByteArray& name : names.value())
            if (Error e = copyTree(join(source, name), join(target, name)))
                return e;
        // Last, as filling the folder changed its time.
        return m_fs.copyNodeAttributes(source, target);
    }
    case Kind::Missing:
        return Error::of(err::FileNotFound);
    case Kind::Other:
        break;
    }
    // Devices, pipes and sockets have no content to copy.
    return Error::of(err::PathFileAccess);
}

Error MoveEngine::removeTreeAt(const QByteArray& path)
{
    return m_fs.removeNodeTree(path);
}

Result<QByteArray> MoveEngine::makeHiddenFolder(const QByteArray& root, QLatin1StringView prefix)
{
    Error last;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QByteArray path = join(root, QByteArray(prefix.data(), prefix.size()) + token());
        last = m_fs.makeNodeFolder(path);
        if (!last)
            return path;
        if (last.fault() != err::PathFileAccess)
            break;
    }
    return last;
}

Error MoveEngine::checkNothingReadOnly(const QByteArray& path)
{
    const FileSystem::NodeInfo info = m_fs.nodeInfo(path);
    if (info.readOnly())
        return Error::of(err::PathFileAccess);
    if (info.kind != Kind::Folder)
        return {};
    Result<QList<QByteArray>> names = m_fs.nodeNames(path);
    if (!names.ok())
        return names.error();
    for (const QByteArray& name : names.value())
        if (Error e = checkNothingReadOnly(join(path, name)))
            return e;
    return {};
}

QByteArray MoveEngine::absoluteLinkTarget(const QByteArray& link)
{
    Result<QByteArray> target = m_fs.nodeLinkTarget(link);
    if (!target.ok())
        return {};
    if (target.value().startsWith('/'))
        return target.value();
    return join(parentFolder(link), target.value());
}

bool MoveEngine::containedIn(const QByteArray& part, const QByteArray& whole)
{
    const FileSystem::NodeInfo a = m_fs.nodeInfo(part);
    const FileSystem::NodeInfo b = m_fs.nodeInfo(whole);
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case Kind::File:
        return a.size == b.size;
    case Kind::Link: {
        Result<QByteArray> ta = m_fs.nodeLinkTarget(part);
        Result<QByteArray> tb = m_fs.nodeLinkTarget(whole);
        // A moved car folder link is made absolute; links inside a car keep their text.
        return ta.ok() && tb.ok() &&
               (ta.value() == tb.value() || absoluteLinkTarget(part) == absoluteLinkTarget(whole));
    }
    case Kind::Folder: {
        Result<QList<QByteArray>> names = m_fs.nodeNames(part);
        if (!names.ok())
            return false;
        for (const QByteArray& name : names.value())
            if (!containedIn(join(part, name), join(whole, name)))
                return false;
        return true;
    }
    case Kind::Missing:
        return false;
    case Kind::Other:
        return true;
    }
    return false;
}

} // namespace parkwen
