#include "library/moveengine.h"

#include "library/enginepaths.h"

namespace parkwen {

using namespace enginepaths;

MoveEngine::DeleteWay MoveEngine::deleteWayFor(const QString& carPath)
{
    if (m_fs.nodeInfo(native(carPath)).kind == Kind::Link)
        return DeleteWay::RemoveLink;
    return m_fs.trashAvailable(carPath) ? DeleteWay::Trash : DeleteWay::ForGood;
}

QString MoveEngine::linkTargetOf(const QString& carPath)
{
    Result<QByteArray> target = m_fs.nodeLinkTarget(native(carPath));
    return target.ok() ? text(target.value()) : QString();
}

DeleteResult MoveEngine::deleteCar(const QString& folder, const QString& name, DeleteWay way)
{
    DeleteResult r;
    const Lock held = lock({folder});
    if (!held.held()) {
        r.error = busyError();
        return r;
    }
    const QByteArray root = m_fs.realNodePath(native(folder));
    const QByteArray path = join(root, native(name));
    const FileSystem::NodeInfo info = m_fs.nodeInfo(path);
    if (info.kind == Kind::Missing) {
        r.error = Error::of(err::PathNotFound);
        return r;
    }
    if (info.kind == Kind::Link || way == DeleteWay::RemoveLink) {
        if (info.kind != Kind::Link) {
            // It stopped being a link since the user was asked.
            r.error = Error::of(err::PathFileAccess);
            return r;
        }
        r.error = m_fs.removeNode(path);
        if (!r.error)
            r.status = DeleteResult::Status::Deleted;
        return r;
    }
    if (way == DeleteWay::Trash) {
        // The trash remembers the car where the user knows it, the folder as the settings name it.
        r.error = m_fs.moveToTrash(text(path), joinPath(folder, name));
        if (!r.error)
            r.status = DeleteResult::Status::Deleted;
        return r;
    }

    // For good: a read-only part would stop the deletion half-way, so it stops it before.
    if ((r.error = checkNothingReadOnly(path)))
        return r;
    Result<QByteArray> deleting = makeHiddenFolder(root, DeletingPrefix);
    if (!deleting.ok()) {
        r.error = deleting.error();
        return r;
    }
    const QByteArray hidden = join(deleting.value(), native(name));
    if ((r.error = m_fs.renameNode(path, hidden))) {
        m_fs.removeNode(deleting.value());
        return r;
    }
    m_fs.syncNode(root);
    if ((r.error = removeTreeAt(deleting.value()))) {
        r.status = DeleteResult::Status::KeptHidden;
        r.hiddenPath = text(hidden);
        return r;
    }
    r.status = DeleteResult::Status::Deleted;
    return r;
}

} // namespace parkwen
