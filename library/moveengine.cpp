#include "moveengine.h"

#include <QFile>
#include <QRandomGenerator>

namespace parkwen {

namespace {

using Kind = FileSystem::NodeInfo::Kind;

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString text(const QByteArray& path)
{
    return QFile::decodeName(path);
}

QByteArray join(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray hiddenName(QLatin1StringView prefix, const QByteArray& name)
{
    const quint32 token = QRandomGenerator::global()->generate();
    return QByteArray(prefix.data(), prefix.size()) + name + '-' +
           QByteArray::number(token, 16).rightJustified(8, '0');
}

// The car name inside a hidden name made by hiddenName, or an empty name when it is not one.
QByteArray carNameIn(const QByteArray& hidden, QLatin1StringView prefix)
{
    const qsizetype tokenSize = 9; // "-" and 8 digits
    if (!hidden.startsWith(QByteArrayView(prefix.data(), prefix.size())) ||
        hidden.size() <= prefix.size() + tokenSize || hidden.at(hidden.size() - tokenSize) != '-')
        return {};
    return hidden.mid(prefix.size(), hidden.size() - prefix.size() - tokenSize);
}

MoveResult failed(MoveResult::Status status, Error error)
{
    MoveResult r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

} // namespace

QString MoveEngine::stagingPathFor(const QString& folder, const QString& name)
{
    return text(join(native(folder), hiddenName(StagingPrefix, native(name))));
}

Error MoveEngine::placeStagedCar(const QString& stagingPath, const QString& finalPath)
{
    const QByteArray staging = native(stagingPath);
    const QByteArray target = native(finalPath);
    if (Error e = m_fs.syncNodeFileSystem(staging))
        return e;
    if (Error e = m_fs.renameNode(staging, target))
        return e;
    return m_fs.syncNode(parentFolder(target));
}

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
    const FileSystem::NodeInfo info = m_fs.nodeInfo(path);
    if (info.kind == Kind::Missing)
        return {};
    if (info.kind == Kind::Folder) {
        if (Error e = m_fs.makeNodeWritable(path))
            return e;
        Result<QList<QByteArray>> names = m_fs.nodeNames(path);
        if (!names.ok())
            return names.error();
        for (const QByteArray& name : names.value())
            if (Error e = removeTreeAt(join(path, name)))
                return e;
    }
    return m_fs.removeNode(path);
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

MoveResult MoveEngine::move(const CarFolders& folders, const QString& name, MoveDirection direction)
{
    const bool toGarage = direction == MoveDirection::ToGarage;
    const QByteArray sourceRoot = native(toGarage ? folders.cars : folders.garage);
    const QByteArray targetRoot = native(toGarage ? folders.garage : folders.cars);
    const QByteArray source = join(sourceRoot, native(name));
    const QByteArray target = join(targetRoot, native(name));

    const FileSystem::NodeInfo info = m_fs.nodeInfo(source);
    if (info.kind == Kind::Missing)
        return failed(MoveResult::Status::SourceMissing, Error::of(err::PathNotFound));
    if (info.kind != Kind::Folder && info.kind != Kind::Link)
        return failed(MoveResult::Status::Failed, Error::of(err::PathFileAccess));
    if (m_fs.nodeInfo(target).kind != Kind::Missing)
        return failed(MoveResult::Status::TargetTaken, Error::of(err::PathFileAccess));
    // ">>" clears read-only state as it removes the source; "<<" does not, so a read-only file
    // stops it. That is known before anything is copied.
    if (!toGarage) {
        if (Error e = checkNothingReadOnly(source))
            return failed(e.number() == err::PathFileAccess ? MoveResult::Status::ReadOnly
                                                            : MoveResult::Status::Failed,
                          e);
    }

    // A link is made anew beside the other cars, so that a relative one still points where it did.
    if (info.kind == Kind::Link)
        return moveLink(source, target, sourceRoot, targetRoot, name);

    // One rename moves the whole folder at once; nothing to flush, as the disk holds either the
    // old name or the new one.
    if (renameAllowed && info.device == m_fs.nodeInfo(targetRoot).device) {
        const Error e = m_fs.renameNode(source, target);
        if (!e) {
            MoveResult r;
            r.status = MoveResult::Status::Moved;
            r.renamed = true;
            return r;
        }
        if (e.number() != err::DifferentDrive)
            return failed(MoveResult::Status::Failed, e);
        // Two mounts of one file system: copy after all.
    }

    // Copy into a hidden staging folder and make it durable; the source is untouched so far.
    const QByteArray staging = join(targetRoot, hiddenName(StagingPrefix, native(name)));
    Error e = copyTree(source, staging);
    if (!e)
        e = m_fs.syncNodeFileSystem(staging);
    if (e) {
        removeTreeAt(staging);
        return failed(MoveResult::Status::Failed, e);
    }

    // Hide the source, then place the copy: the car is never listed in both folders at once.
    const QByteArray leaving = join(sourceRoot, hiddenName(LeavingPrefix, native(name)));
    e = m_fs.renameNode(source, leaving);
    if (!e) {
        e = m_fs.syncNode(sourceRoot);
        if (!e)
            e = m_fs.renameNode(staging, target);
        if (e && m_fs.renameNode(leaving, source)) {
            MoveResult r = failed(MoveResult::Status::Failed, e);
            r.leftover = text(leaving); // whole, and back under its name at the next start
            removeTreeAt(staging);
            return r;
        }
    }
    if (e) {
        removeTreeAt(staging);
        return failed(MoveResult::Status::Failed, e);
    }

    MoveResult r;
    r.status = MoveResult::Status::Moved;
    // The source goes only once the new name is on the disk; until then start-up sorts it out.
    r.error = m_fs.syncNode(targetRoot);
    if (!r.error)
        r.error = removeTreeAt(leaving);
    if (r.error)
        r.leftover = text(leaving);
    return r;
}

MoveResult MoveEngine::moveLink(const QByteArray& source, const QByteArray& target,
                                const QByteArray& sourceRoot, const QByteArray& targetRoot,
                                const QString& name)
{
    // The new link points at the same folder, wherever it stands.
    const QByteArray linkTarget = absoluteLinkTarget(source);
    if (linkTarget.isEmpty())
        return failed(MoveResult::Status::Failed, Error::of(err::PathFileAccess));
    const QByteArray leaving = join(sourceRoot, hiddenName(LeavingPrefix, native(name)));
    Error e = m_fs.renameNode(source, leaving);
    if (!e) {
        e = m_fs.syncNode(sourceRoot);
        if (!e)
            e = m_fs.makeNodeLink(linkTarget, target);
        if (e && m_fs.renameNode(leaving, source)) {
            MoveResult r = failed(MoveResult::Status::Failed, e);
            r.leftover = text(leaving);
            return r;
        }
    }
    if (e)
        return failed(MoveResult::Status::Failed, e);
    MoveResult r;
    r.status = MoveResult::Status::Moved;
    r.error = m_fs.syncNode(targetRoot);
    if (!r.error)
        r.error = m_fs.removeNode(leaving);
    if (r.error)
        r.leftover = text(leaving);
    return r;
}

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
    const QByteArray root = native(folder);
    const QByteArray path = join(root, native(name));
    DeleteResult r;
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
        r.error = m_fs.moveToTrash(text(path));
        if (!r.error)
            r.status = DeleteResult::Status::Deleted;
        return r;
    }

    // For good: a read-only part would stop the deletion half-way, so it stops it before.
    if ((r.error = checkNothingReadOnly(path)))
        return r;
    const QByteArray hidden = join(root, hiddenName(DeletingPrefix, native(name)));
    if ((r.error = m_fs.renameNode(path, hidden)))
        return r;
    m_fs.syncNode(root);
    if ((r.error = removeTreeAt(hidden))) {
        r.status = DeleteResult::Status::KeptHidden;
        r.hiddenPath = text(hidden);
        return r;
    }
    r.status = DeleteResult::Status::Deleted;
    return r;
}

QStringList MoveEngine::recover(const CarFolders& folders)
{
    QStringList problems;
    const QByteArray roots[2] = {native(folders.cars), native(folders.garage)};
    for (int side = 0; side < 2; ++side) {
        const QByteArray& root = roots[side];
        const QByteArray& other = roots[1 - side];
        Result<QList<QByteArray>> names = m_fs.nodeNames(root);
        if (!names.ok())
            continue;
        auto problem = [&](const QByteArray& hidden, const Error& e) {
            problems << text(join(root, hidden)) + QStringLiteral(": ") + e.description();
        };
        // Sources first: a staging folder never holds the only copy of a car.
        for (const QByteArray& hidden : names.value()) {
            const QByteArray car = carNameIn(hidden, LeavingPrefix);
            if (car.isEmpty())
                continue;
            const QByteArray path = join(root, hidden);
            if (containedIn(path, join(other, car))) {
                if (Error e = removeTreeAt(path))
                    problem(hidden, e);
            } else if (Error e = m_fs.renameNode(path, join(root, car))) {
                problem(hidden, e);
            }
        }
        for (const QByteArray& hidden : names.value()) {
            if (carNameIn(hidden, StagingPrefix).isEmpty() && carNameIn(hidden, DeletingPrefix).isEmpty())
                continue;
            if (Error e = removeTreeAt(join(root, hidden)))
                problem(hidden, e);
        }
    }
    return problems;
}

} // namespace parkwen
